#include "services/restore_window.h"

#include <QFileDialog>
#include <QLineEdit>

#include "core/messages.h"
#include "jet/jet_bank_intake.h"
#include "store/bank_backups.h"

namespace services {

TForm14::TForm14(const core::ProgramPlaces& places, core::MessageService& messages, QWidget* parent,
                 FileChoice choice)
    : BackupDialog(QStringLiteral("TForm14"), QStringLiteral("数据还原"), places, messages,
                   {QStringLiteral("请选择恢复路径！"), QStringLiteral("成功恢复数据！"),
                    QStringLiteral("恢复失败，请重试!")},
                   choice ? std::move(choice) : [this](const QString& startPath) {
                       return QFileDialog::getOpenFileName(this, QStringLiteral("打开"),
                                                           startPath, kBackupFileFilter);
                   },
                   parent) {}

void TForm14::Button1Click() {
    const QString chosen = chooseFile(startFolder());
    if (chosen.isEmpty()) return;
    if (!chosen.contains(kBackupNameStem)) {
        messages_.info(QStringLiteral("请恢复您备份的文件！"));
        return;
    }
    Edit1->setText(chosen);
}

// A backup in Access format (a copy of an earlier install's bank) is converted on the way in.
void TForm14::copy(const QString& path) { jet::restoreFromAnyBackup(path, bankPath()); }

}  // namespace services
