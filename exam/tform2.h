#pragma once

#include <QDialog>

namespace exam {

// The exam login screen. Created hidden at start-up; the exam entry sequence fills it.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};

}  // namespace exam
