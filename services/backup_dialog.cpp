#include "services/backup_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QtDebug>

#include "core/error.h"
#include "core/messages.h"
#include "store/connection_string.h"

namespace services {
namespace {

constexpr QSize kClientSize(400, 200);
constexpr QRect kEdit1(92, 33, 259, 21);
constexpr QRect kButton1(355, 30, 23, 22);
constexpr QRect kButton2(233, 175, 73, 23);
constexpr QRect kButton3(312, 174, 73, 23);

// Drawn at build time from assets/services/backup-background.svg.
const QString kBackground = QStringLiteral("tp/backup-background.png");

}  // namespace

QString defaultBackupName(const QDate& date, const QLocale& locale) {
    static const QRegularExpression notInFileNames(QStringLiteral(R"([/\\:*?"<>|])"));
    QString day = locale.toString(date, QLocale::ShortFormat);
    return kBackupNameStem + day.replace(notInFileNames, QStringLiteral("-"));
}

BackupDialog::BackupDialog(const QString& objectName, const QString& caption,
                           const core::ProgramPlaces& places, core::MessageService& messages,
                           const Texts& texts, FileChoice choice, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      messages_(messages),
      dataDir_(places.dataDir),
      bankPath_(store::ConnectionString(store::ConnectionString::forDataDirectory(places.dataDir))
                    .dataSource()),
      texts_(texts),
      choice_(std::move(choice)) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    createControls(places.programDir);
    setFixedSize(kClientSize);
}

void BackupDialog::createControls(const QString& programDir) {
    // The picture first, so that every control lies above it.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(0, 0), kClientSize));
    Image1->setPixmap(QPixmap(programDir + kBackground));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setAccessibleName(QStringLiteral("数据备份文件"));  // the label is on the picture
    Edit1->setGeometry(kEdit1);

    Button1 = createButton(QStringLiteral("Button1"), QStringLiteral("..."), kButton1);
    Button2 = createButton(QStringLiteral("Button2"), QStringLiteral("确定"), kButton2);
    Button3 = createButton(QStringLiteral("Button3"), QStringLiteral("取消"), kButton3);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &BackupDialog::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &BackupDialog::Button3Click);
}

QPushButton* BackupDialog::createButton(const QString& name, const QString& text,
                                        const QRect& geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void BackupDialog::Button2Click() {
    const QString path = Edit1->text();
    if (path.trimmed().isEmpty()) {
        messages_.info(texts_.emptyPath);
        return;
    }
    try {
        copy(path);
    } catch (const core::Error& error) {
        // The fixed message, and below it what was wrong, so that a refused file says why.
        messages_.info(texts_.failed + u'\n' + error.message());
        return;
    }
    messages_.info(texts_.succeeded);
    accept();
}

void BackupDialog::Button3Click() { reject(); }

QString BackupDialog::chooseFile(const QString& startPath) const { return choice_(startPath); }

QString BackupDialog::startFolder() const {
    const QString current = Edit1->text();
    return current.isEmpty() ? dataDir_ : QFileInfo(current).absolutePath();
}

}  // namespace services
