#pragma once

#include <QDialog>

namespace exam {

// The exam settings dialog, the gate into the simulated exam. Created hidden at start-up.
class TForm6 : public QDialog {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);
};

}  // namespace exam
