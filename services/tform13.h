#pragma once

#include <QDialog>

namespace services {

// The backup dialog of the database file. Created once at start-up, hidden until called.
class TForm13 : public QDialog {
    Q_OBJECT

public:
    explicit TForm13(QWidget* parent = nullptr);
};

}  // namespace services
