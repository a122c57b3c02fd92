#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

#include "exam/exam_context.h"
#include "exam/exam_window_controls.h"
#include "exam/exam_window_host.h"
#include "exam/window_key_observer.h"
#include "ui/action_gate.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QScrollArea;
class QTimer;

namespace pageview {
class WebPageView;
}

namespace ui {
class PictureButton;
}

namespace exam {

namespace pictures {
struct ButtonFaces;
}

class CalculatorWindow;
class NumberButton;
class TForm7;

// The exam window "人机对话". The candidate screen makes a new one for every start and shows it
// modally; its first activation draws the paper and shows the first question. Closing it also
// closes the screens behind it (`closeScreensBehind`), so the modal chain unwinds to the main
// window.
//
// Like an exam-hall terminal it fills the screen and cannot be moved, resized or minimised: it
// has no system frame, only its own caption strip with a close box. One action runs at a time:
// a click on a button while a move, jump or hand-in waits for its page is ignored, a letter key
// waits until it has finished.
class TForm4 : public QDialog, public ExamWindowHost {
    Q_OBJECT

  public:
    // `titleChoice` is the candidate screen's title choice (RzRadioGroup1's index).
    TForm4(const ExamContext& context, int titleChoice, std::function<void()> closeScreensBehind,
           QWidget* parent = nullptr);
    ~TForm4() override;

    // ExamWindowHost
    ExamWindowState& examState() override { return state_; }
    store::Connection& connection() override { return bank_; }
    pageview::PageView& page() override;
    core::MessageService& messages() override { return context_.messages; }
    KeyObserver& keyObserver() override { return keyObserver_; }
    QString programDir() const override { return context_.places.programDir; }
    int titleChoice() const override { return titleChoice_; }
    void paintNumberButton(const QString& name, ButtonColour colour) override;
    void setPaperSize(int rows) override;
    int setAnsweredProgress(int position) override;
    void setAnsweredLabel(const QString& text) override;
    void setHandedInLegend() override;
    void stopCountDown() override;
    void resumeCountDown() override;
    void focusNextButton() override;
    void processPendingEvents() override;
    void showWaitWindow() override;
    void closeWaitWindow() override;
    void buildNumberPanel(const QList<NumberPanelItem>& items) override;

    void FormShow();
    void FormActivate();
    void FormClose();
    void FormClick();
    void Timer1Timer();
    void RzBitBtn1Click();  // previous question
    void RzBitBtn2Click();  // next question
    void RzBitBtn3Click();  // hand in
    void RzBitBtn4Click();  // calculator
    void RzBitBtn5Click(const NumberButton& Sender);
    void RzBitBtn6Click();
    // The learning record over the window (RecordButton, once handed in).
    void showLearningRecord();

    // The calculator window once opened, or null.
    CalculatorWindow* calculator() const;

    // A number button of the panel by its name, or null.
    NumberButton* numberButton(const QString& name) const;
    static QColor colourOf(ButtonColour colour);

    // The controls under their design names, built by the layout.
    ExamWindowControls& controls() { return ui_; }
    const ExamWindowControls& controls() const { return ui_; }

    static constexpr int kMinuteMs = 60000;

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void createRegions();
    QWidget* createCaptionStrip();
    // Runs a handler as the one action of the moment; a bank or page failure is reported.
    void runAction(const std::function<void()>& action);
    void onLetterKey(const QString& letter);
    // The whole screen's work area, whatever a window manager tries.
    void fillScreen();
    QWidget* createBottomStrip(QWidget* parent);
    void createRightColumn(QWidget* parent);
    ui::PictureButton* addPictureButton(QWidget* parent, const QString& label, const QString& name,
                                        const pictures::ButtonFaces& faces);

    ExamContext context_;
    int titleChoice_;
    std::function<void()> closeScreensBehind_;
    ExamWindowState state_;
    WindowKeyObserver keyObserver_{*this};
    ui::ActionGate gate_{this};
    store::Connection bank_;
    bool closeWaiting_ = false;  // a close waits for the running action
    int paperRows_ = 0;          // ProgressBar1's maximum as the paper has it
    ExamWindowControls ui_;
    QWidget* numberPanel_ = nullptr;  // ScrollBox1's content: legend and number buttons
    QPointer<TForm7> waitWindow_;
    QPointer<QDialog> calculator_;  // a CalculatorWindow
};

}  // namespace exam
