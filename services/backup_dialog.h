#pragma once

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/program_places.h"
#include "store/bank_backups.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {
class MessageService;
}

namespace services {

using store::kBackupNameStem;
// The file dialogs' filter: the description names *.mdb.bak, the pattern (the last parentheses)
// lists every file.
inline const QString kBackupFileFilter = QStringLiteral("All files (*.mdb.bak) (*)");

// The stem followed by the date in the locale's short format, without an extension; characters
// a file name cannot hold ("2013/5/2") become "-".
QString defaultBackupName(const QDate& date, const QLocale& locale = QLocale::system());

// What the backup dialog TForm13 and the restore dialog TForm14 share: the layout (a 400 × 200
// fixed dialog with only a close box, the path box Edit1, "..." Button1, "确定" Button2, "取消"
// Button3 over the background picture Image1) and the run of "确定". The path box keeps its
// text between openings.
class BackupDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks the user for a file, starting at `startPath`; the chosen file's full path, or empty
    // when the user cancels. The dialogs default to the system's file dialogs.
    using FileChoice = std::function<QString(const QString& startPath)>;

    // "...": choose the file for the path box.
    virtual void Button1Click() = 0;
    // "确定": with a path, copy and close on success; the failure message keeps the dialog open
    // and the path box as it was.
    void Button2Click();
    // "取消": close without copying.
    void Button3Click();

    // Controls under their design names.
    QLabel* Image1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

  protected:
    struct Texts {
        QString emptyPath;
        QString succeeded;
        QString failed;
    };

    BackupDialog(const QString& objectName, const QString& caption,
                 const core::ProgramPlaces& places, core::MessageService& messages,
                 const Texts& texts, FileChoice choice, QWidget* parent);

    // Copies between the bank and `path`; throws core::Error on failure.
    virtual void copy(const QString& path) = 0;

    QString chooseFile(const QString& startPath) const;
    // The folder of the path box's file, or the data directory while the box is empty.
    QString startFolder() const;
    QString bankPath() const { return bankPath_; }

    core::MessageService& messages_;

  private:
    void createControls(const QString& programDir);
    QPushButton* createButton(const QString& name, const QString& text, const QRect& geometry);

    QString dataDir_;
    QString bankPath_;
    Texts texts_;
    FileChoice choice_;
};

}  // namespace services
