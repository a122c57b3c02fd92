#pragma once

#include <QDialog>
#include <QStringList>

#include "core/messages.h"
#include "store/connection.h"

class QPushButton;
class QTableWidget;

namespace app {

// The wrong-question manager: the questions of the wrong-question bank in a list, in id order,
// where checked questions are taken out of the bank. Created once at start-up and shown modally
// before the wrong-question view opens; the list is refilled on every showing and every delete.
class TForm16 : public QDialog {
    Q_OBJECT

  public:
    TForm16(const QString& dataDir, core::MessageService& messages, QWidget* parent = nullptr);

    // Fills the list from the bank (run on every showing). Throws core::Error.
    void FormShow();
    void btnSelAllClick();
    void btnInvertClick();
    // Takes the checked questions out of the bank, without asking, and reloads the list.
    // Throws core::Error.
    void bsSkinButton1Click();
    void bsSkinButton2Click();
    void FormClose();

    bool isRowChecked(int row) const;
    void setRowChecked(int row, bool checked);

    static constexpr int kContentColumn = 1;

    // Controls under their design names.
    QTableWidget* lstDetail = nullptr;
    QWidget* Panel2 = nullptr;
    QPushButton* btnSelAll = nullptr;      // "全选"
    QPushButton* btnInvert = nullptr;      // "反选"
    QPushButton* bsSkinButton1 = nullptr;  // "删除"
    QPushButton* bsSkinButton2 = nullptr;  // "确定"

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void createList();
    void createButtonStrip();
    QPushButton* addButton(const QString& name, const QString& text, int left);
    void addRow(const QString& questionId, const QString& stem);
    void runReportingErrors(void (TForm16::*command)());

    core::MessageService& messages_;
    QString connectionString_;
    store::Connection bank_;
    QStringList rowQuestionIds_;  // the question id behind each list row
};

}  // namespace app
