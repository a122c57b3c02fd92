#pragma once

#include "services/backup_dialog.h"

namespace services {

// The restore dialog "数据还原": replaces the question bank by a backup made with TForm13; the
// replaced bank stays beside it (store::keptBankPath). Created once at start-up, shown modally
// by the main window's toolbar.
class TForm14 : public BackupDialog {
    Q_OBJECT

  public:
    // `choice` defaults to the system's open dialog.
    TForm14(const core::ProgramPlaces& places, core::MessageService& messages,
            QWidget* parent = nullptr, FileChoice choice = {});

    // "...": the open dialog; only a file whose path holds the backup name stem is taken, any
    // other leaves the path box showing the last accepted file.
    void Button1Click() override;

  protected:
    void copy(const QString& path) override;
};

}  // namespace services
