#include "exam/exam_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "core/error.h"
#include "core/error_report.h"
#include "core/messages.h"
#include "exam/calculator_window.h"
#include "exam/exam_hand_in.h"
#include "exam/letter_selection.h"
#include "exam/number_button.h"
#include "exam/paper_setup.h"
#include "exam/question_navigation.h"
#include "exam/wait_window.h"
#include "pageview/web_page_view.h"
#include "store/connection_string.h"
#include "ui/focus_request.h"
#include "ui/main_window_state.h"
#include "ui/picture_button.h"

namespace exam {

namespace {

// The system colour of a window border that has the focus: a question left without an answer.
const QColor kActiveBorderGrey(180, 180, 180);
// How long the wait window stays on screen before the drawing starts.
constexpr unsigned long kWaitWindowPauseMs = 500;

}  // namespace

TForm4::TForm4(const ExamContext& context, int titleChoice,
               std::function<void()> closeScreensBehind, QWidget* parent)
    // A dialog of the candidate screen, so that a window manager keeps it above the screens
    // behind it, which are full screen and modal themselves.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      context_(context),
      titleChoice_(titleChoice),
      closeScreensBehind_(std::move(closeScreensBehind)) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("人机对话"));
    createRegions();
    ui_.Timer1 = new QTimer(this);
    ui_.Timer1->setInterval(kMinuteMs);
    connect(ui_.Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    connect(ui_.BitBtn1, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn1Click);
    connect(ui_.BitBtn2, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn2Click);
    connect(ui_.BitBtn3, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn4Click);
    connect(ui_.BitBtn5, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn3Click);
    connect(ui_.BitBtn4, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn6Click);
    connect(ui_.RecordButton, &QPushButton::clicked, this, &TForm4::showLearningRecord);
    keyObserver_.setLetterAction([this](const QString& letter) { onLetterKey(letter); });
    bank_.setConnectionString(store::ConnectionString::forDataDirectory(context_.places.dataDir));
    setWindowState(Qt::WindowMaximized);
}

TForm4::~TForm4() = default;

pageview::PageView& TForm4::page() { return *ui_.WebBrowser1; }

QColor TForm4::colourOf(ButtonColour colour) {
    switch (colour) {
        case ButtonColour::Red:
            return QColor(255, 0, 0);
        case ButtonColour::Blue:
            return QColor(0, 0, 255);
        case ButtonColour::ActiveBorder:
            return kActiveBorderGrey;
        case ButtonColour::Face:
            break;
    }
    return QApplication::palette().color(QPalette::Button);
}

NumberButton* TForm4::numberButton(const QString& name) const {
    return numberPanel_ ? numberPanel_->findChild<NumberButton*>(name, Qt::FindDirectChildrenOnly)
                        : nullptr;
}

void TForm4::paintNumberButton(const QString& name, ButtonColour colour) {
    if (NumberButton* button = numberButton(name)) button->paint(colourOf(colour));
}

void TForm4::setPaperSize(int rows) {
    paperRows_ = rows;
    // An empty paper keeps the plain bar at 0 (see the layout).
    ui_.ProgressBar1->setRange(0, std::max(rows, 1));
    ui_.ProgressBar1->setValue(0);
    ui_.Label5->setText(QStringLiteral("/") + QString::number(rows));
}

int TForm4::setAnsweredProgress(int position) {
    const int shown = std::clamp(position, 0, paperRows_);
    ui_.ProgressBar1->setValue(shown);
    return shown;
}

void TForm4::setAnsweredLabel(const QString& text) { ui_.Label6->setText(text); }

void TForm4::setHandedInLegend() {
    ui_.Label1->setText(QStringLiteral("答对"));
    ui_.Label2->setText(QStringLiteral("答错"));
}

void TForm4::stopCountDown() { ui_.Timer1->stop(); }

void TForm4::resumeCountDown() {
    if (ui_.Label9->text() != QStringLiteral("0")) ui_.Timer1->start();
}

void TForm4::focusNextButton() { ui_.BitBtn2->setFocus(Qt::OtherFocusReason); }

void TForm4::processPendingEvents() { QApplication::processEvents(); }

void TForm4::showWaitWindow() {
    waitWindow_ = new TForm7(*this, context_.mainWindow, context_.mainState.ExamInProgress == 1);
    waitWindow_->show();
    waitWindow_->repaint();
    // Painted once; the drawing keeps the thread busy, so only the events of the showing itself
    // are let through, never the user's input.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(kWaitWindowPauseMs);
}

void TForm4::closeWaitWindow() {
    if (waitWindow_) {
        waitWindow_->hide();
        waitWindow_->deleteLater();
    }
    if (numberPanel_) numberPanel_->update();
    // Without a window manager nobody hands the keyboard back once the wait window is gone.
    if (isVisible() && !isActiveWindow()) activateWindow();
}

void TForm4::buildNumberPanel(const QList<NumberPanelItem>& items) {
    int bottom = 0;
    for (const NumberPanelItem& item : items) {
        QLabel* widget = nullptr;
        if (item.kind == NumberPanelItem::Kind::TypeLabel) {
            widget = new QLabel(item.caption, numberPanel_);
            QFont font = widget->font();
            font.setPointSize(10);
            font.setBold(true);
            widget->setFont(font);
        } else {
            auto* button = new NumberButton(item.caption, numberPanel_);
            button->setObjectName(item.name);
            connect(button, &NumberButton::clicked, this,
                    [this, button] { RzBitBtn5Click(*button); });
            widget = button;
        }
        widget->setGeometry(item.geometry);
        widget->show();
        bottom = std::max(bottom, item.geometry.bottom());
    }
    numberPanel_->setMinimumHeight(bottom + 20);
    numberPanel_->resize(numberPanel_->width(), bottom + 20);
}

void TForm4::FormShow() {
    state_.ClockStarted = QDateTime::currentDateTime();
    ui_.Timer1->start();
}

// The first activation is an action like any other: a click that arrives while the paper is
// described, drawn or first shown is dropped.
void TForm4::FormActivate() {
    runAction([this] { PaperSetup(*this, PaperDrawing::systemRandom()).FormActivate(); });
}

void TForm4::FormClose() {
    keyObserver_.remove();
    ui_.Timer1->stop();
    if (calculator_) calculator_->close();
    bank_.close();
    if (closeScreensBehind_) closeScreensBehind_();
}

void TForm4::FormClick() { ui_.BitBtn2->setFocus(); }

void TForm4::Timer1Timer() {
    const int left = ui_.Label9->text().toInt() - 1;
    ui_.Label9->setText(QString::number(left));
    if (ui_.Label9->text() == QStringLiteral("0")) ui_.Timer1->stop();
}

void TForm4::RzBitBtn1Click() {
    runAction([this] { QuestionNavigation(*this).previous(); });
}

void TForm4::RzBitBtn2Click() {
    runAction([this] { QuestionNavigation(*this).next(); });
}

void TForm4::RzBitBtn5Click(const NumberButton& Sender) {
    const QString caption = Sender.text();
    runAction([this, caption] { QuestionNavigation(*this).jump(caption); });
}

void TForm4::RzBitBtn3Click() {
    runAction([this] { ExamHandIn(*this).handIn(); });
    ui_.RecordButton->setVisible(handedIn() && context_.showLearningRecord);
}

void TForm4::showLearningRecord() {
    runAction([this] { context_.showLearningRecord(*this); });
}

CalculatorWindow* TForm4::calculator() const {
    return static_cast<CalculatorWindow*>(calculator_.data());
}

// The calculator stays open beside the paper; a second press brings it to the front.
void TForm4::RzBitBtn4Click() {
    if (!calculator_) {
        calculator_ = new CalculatorWindow(this);
        const QRect area = geometry();
        calculator_->move(area.right() - calculator_->width() - 280,
                          area.bottom() - calculator_->height() - 150);
    }
    calculator_->show();
    calculator_->raise();
    calculator_->activateWindow();
}

void TForm4::RzBitBtn6Click() { messages().info(QStringLiteral("该功能完善中！！")); }

void TForm4::runAction(const std::function<void()>& action) {
    gate_.runOrIgnore([&] { core::runReportingErrors(messages(), action); });
}

// Runs from the event loop, never inside the key event, and after a move that is waiting for
// its page; after hand-in the observer is down and no letter arrives.
void TForm4::onLetterKey(const QString& letter) {
    QTimer::singleShot(0, this, [this, letter] {
        gate_.runOrDefer([this, letter] {
            core::runReportingErrors(messages(), [&] { selectOptionByLetter(*this, letter); });
        });
    });
}

// The first activation runs once the activation is complete, never inside it; later activations
// find DrawGuard at 2 and do nothing.
bool TForm4::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && state_.DrawGuard != 2)
        QTimer::singleShot(0, this, &TForm4::FormActivate);
    return QDialog::event(event);
}

// A window manager's minimise or restore is undone at once.
void TForm4::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        windowState() != Qt::WindowMaximized)
        QTimer::singleShot(0, this, [this] {
            setWindowState(Qt::WindowMaximized);
            fillScreen();
        });
}

void TForm4::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (isVisible()) QTimer::singleShot(0, this, &TForm4::fillScreen);
}

void TForm4::fillScreen() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (shown && geometry() != shown->availableGeometry()) setGeometry(shown->availableGeometry());
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fillScreen();
    if (event->spontaneous()) return;
    FormShow();
    // Without a window manager nobody hands a new window the focus, and nothing would activate
    // it: the paper is drawn once the window is shown, whatever the platform says of activation.
    ui::requestFocusOnceExposed(*this);
    QTimer::singleShot(0, this, &TForm4::FormActivate);
}

// A close during an action (a page load, a move's messages) waits until the action has ended:
// nothing of the exam may show once its window has gone.
void TForm4::closeEvent(QCloseEvent* event) {
    if (gate_.busy()) {
        event->ignore();
        if (!closeWaiting_) {
            closeWaiting_ = true;
            gate_.runOrDefer([this] {
                QTimer::singleShot(0, this, [this] {
                    closeWaiting_ = false;
                    close();
                });
            });
        }
        return;
    }
    FormClose();
    QDialog::closeEvent(event);
}

// Escape would end the exam behind the candidate's back: only the close box ends it.
void TForm4::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm4::mousePressEvent(QMouseEvent* event) {
    FormClick();
    QDialog::mousePressEvent(event);
}

}  // namespace exam
