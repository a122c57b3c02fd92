#pragma once

#include "services/backup_dialog.h"

namespace services {

// The backup dialog "数据备份": copies the question bank to a file of the user's choice.
// Created once at start-up, shown modally by the main window's toolbar.
class TForm13 : public BackupDialog {
    Q_OBJECT

  public:
    // `choice` defaults to the system's save dialog.
    TForm13(const core::ProgramPlaces& places, core::MessageService& messages,
            QWidget* parent = nullptr, FileChoice choice = {});

    // "...": the save dialog, offering today's default backup name; a cancel keeps the path box.
    void Button1Click() override;

  protected:
    void copy(const QString& path) override;
};

}  // namespace services
