#pragma once

#include <QDialog>
#include <functional>

#include "exam/exam_context.h"

namespace exam {

// The exam window "人机对话". The candidate screen makes a new one for every start and shows it
// modally; its first activation draws the paper. Closing it also closes the screens behind it
// (`closeScreensBehind`), so the modal chain unwinds to the main window.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    // `titleChoice` is the candidate screen's title choice (RzRadioGroup1's index).
    TForm4(const ExamContext& context, int titleChoice, std::function<void()> closeScreensBehind,
           QWidget* parent = nullptr);
};

}  // namespace exam
