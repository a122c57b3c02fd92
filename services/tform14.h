#pragma once

#include <QDialog>

namespace services {

// The restore dialog of the database file. Created once at start-up, hidden until called.
class TForm14 : public QDialog {
    Q_OBJECT

public:
    explicit TForm14(QWidget* parent = nullptr);
};

}  // namespace services
