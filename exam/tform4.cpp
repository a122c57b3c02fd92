#include "exam/tform4.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

#include "exam/number_button.h"
#include "exam/paper_setup.h"
#include "exam/tform7.h"
#include "pageview/web_page_view.h"
#include "store/connection_string.h"
#include "ui/focus_request.h"
#include "ui/main_window_state.h"
#include "ui/messages.h"
#include "ui/picture_button.h"

namespace exam {

namespace {

// The system colour of a window border that has the focus: a question left without an answer.
const QColor kActiveBorderGrey(180, 180, 180);
// How long the wait window stays on screen before the drawing starts.
constexpr unsigned long kWaitWindowPauseMs = 500;

}  // namespace

TForm4::TForm4(const ExamContext& context, int titleChoice, std::function<void()> closeScreensBehind,
               QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      context_(context),
      titleChoice_(titleChoice),
      closeScreensBehind_(std::move(closeScreensBehind)) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("人机对话"));
    createRegions();
    Timer1 = new QTimer(this);
    Timer1->setInterval(kMinuteMs);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    connect(BitBtn4, &ui::PictureButton::clicked, this, &TForm4::RzBitBtn6Click);
    bank_.setConnectionString(store::ConnectionString::forProgramDirectory(context_.programDir));
    setWindowState(Qt::WindowMaximized);
}

TForm4::~TForm4() = default;

pageview::PageView& TForm4::page() { return *WebBrowser1; }

QColor TForm4::colourOf(ButtonColour colour) {
    switch (colour) {
        case ButtonColour::Red: return QColor(255, 0, 0);
        case ButtonColour::Blue: return QColor(0, 0, 255);
        case ButtonColour::ActiveBorder: return kActiveBorderGrey;
        case ButtonColour::Face: break;
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
    ProgressBar1->setMaximum(rows);
    Label5->setText(QStringLiteral("/") + QString::number(rows));
}

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
            // Jumping to a question comes with the navigation of the exam.
            widget = button;
        }
        widget->setGeometry(item.geometry);
        widget->show();
        bottom = std::max(bottom, item.geometry.bottom());
    }
    numberPanel_->setMinimumHeight(bottom + 20);
    numberPanel_->resize(numberPanel_->width(), bottom + 20);
}

void TForm4::FormShow() { Timer1->start(); }

void TForm4::FormActivate() { PaperSetup(*this, PaperDrawing::systemRandom()).FormActivate(); }

void TForm4::FormClose() {
    keyObserver_.remove();
    Timer1->stop();
    bank_.close();
    if (closeScreensBehind_) closeScreensBehind_();
}

void TForm4::FormClick() { BitBtn2->setFocus(); }

void TForm4::Timer1Timer() {
    const int left = Label9->text().toInt() - 1;
    Label9->setText(QString::number(left));
    if (Label9->text() == QStringLiteral("0")) Timer1->stop();
}

void TForm4::RzBitBtn6Click() { messages().info(QStringLiteral("该功能完善中！！")); }

// The first activation runs once the activation is complete, never inside it; later activations
// find DrawGuard at 2 and do nothing.
bool TForm4::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && state_.DrawGuard != 2)
        QTimer::singleShot(0, this, &TForm4::FormActivate);
    return QDialog::event(event);
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    FormShow();
    // Without a window manager nobody hands a new window the focus, and the activation is
    // what draws the paper.
    ui::requestFocusOnceExposed(*this);
}

void TForm4::closeEvent(QCloseEvent* event) {
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
