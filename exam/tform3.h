#pragma once

#include <QDialog>

namespace exam {

// The candidate information screen. Created hidden at start-up; the exam entry sequence fills it.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};

}  // namespace exam
