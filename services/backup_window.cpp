#include "services/backup_window.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "store/bank_copy.h"

namespace services {

TForm13::TForm13(const core::ProgramPlaces& places, core::MessageService& messages, QWidget* parent,
                 FileChoice choice)
    : BackupDialog(QStringLiteral("TForm13"), QStringLiteral("数据备份"), places, messages,
                   {QStringLiteral("请选择备份路径！"), QStringLiteral("备份成功！"),
                    QStringLiteral("备份失败，请重试！")},
                   choice ? std::move(choice) : [this](const QString& startPath) {
                       return QFileDialog::getSaveFileName(this, QStringLiteral("另存为"),
                                                           startPath, kBackupFileFilter);
                   },
                   parent) {}

void TForm13::Button1Click() {
    const QString name = defaultBackupName(QDate::currentDate());
    const QString chosen = chooseFile(QDir(startFolder()).filePath(name));
    if (!chosen.isEmpty()) Edit1->setText(chosen);
}

void TForm13::copy(const QString& path) { store::backupBank(bankPath(), path); }

}  // namespace services
