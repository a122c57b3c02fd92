#pragma once

#include <QDialog>

namespace exam {

// The exam window. Created hidden at start-up; each exam start opens a new one.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};

}  // namespace exam
