#include "result_window.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "ui/focus_request.h"

namespace practice {

namespace {

constexpr int kClientWidth = 915;
constexpr int kClientHeight = 450;
constexpr int kPanel2Height = 41;

// The door of the close button: a frame, a door ajar and its knob.
QIcon doorIcon() {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 64, 40), 1.5));
    painter.setBrush(QColor(250, 246, 238));
    painter.drawRect(QRectF(4.5, 2.5, 13, 18));
    QPainterPath door;
    door.moveTo(4.5, 2.5);
    door.lineTo(13.5, 5.5);
    door.lineTo(13.5, 21.5);
    door.lineTo(4.5, 20.5);
    door.closeSubpath();
    painter.setBrush(QColor(176, 120, 64));
    painter.drawPath(door);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 214, 90));
    painter.drawEllipse(QPointF(11.2, 12.5), 1.3, 1.3);
    return QIcon(pixmap);
}

}  // namespace

TForm15::TForm15(QWidget* mainWindow, std::function<void()> onActivate,
                 std::function<void(QWidget& over)> showRecord)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      Panel1(new QWidget(this)),
      WebBrowser1(new pageview::WebPageView(Panel1)),
      Panel2(new QWidget(this)),
      Image1(new QPushButton(doorIcon(), QStringLiteral("关闭"), Panel2)),
      RecordButton(new QPushButton(QStringLiteral("学习记录"), Panel2)),
      onActivate_(std::move(onActivate)) {
    setWindowTitle(QStringLiteral("测试结果"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* pageLayout = new QVBoxLayout(Panel1);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(WebBrowser1);
    Panel2->setFixedHeight(kPanel2Height);
    Image1->setGeometry(696, 4, 105, 33);
    Image1->setIconSize(QSize(22, 22));
    Image1->setCursor(Qt::PointingHandCursor);
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->setSpacing(0);
    windowLayout->addWidget(Panel1);
    windowLayout->addWidget(Panel2);

    connect(Image1, &QPushButton::clicked, this, &TForm15::Image1Click);

    RecordButton->setGeometry(20, 4, 105, 33);
    RecordButton->setCursor(Qt::PointingHandCursor);
    RecordButton->setVisible(bool(showRecord));
    connect(RecordButton, &QPushButton::clicked, this,
            [this, showRecord = std::move(showRecord)] { showRecord(*this); });
}

void TForm15::FormActivate() {
    if (onActivate_) onActivate_();
}

void TForm15::Image1Click() { close(); }

bool TForm15::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // The first activation only starts the first build when the showing has not yet.
        if (!firstBuildStarted_ || activatedBefore_) {
            firstBuildStarted_ = true;
            FormActivate();
        }
        activatedBefore_ = true;
    }
    return QDialog::event(event);
}

void TForm15::startFirstBuild() {
    if (firstBuildStarted_) return;
    firstBuildStarted_ = true;
    FormActivate();
}

// The window asks for the focus itself, and starts its first build once it is on screen.
void TForm15::showEvent(QShowEvent* event) {
    centreOverMainWindow();
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ui::requestFocusOnceExposed(*this);
    QTimer::singleShot(0, this, &TForm15::startFirstBuild);
}

void TForm15::centreOverMainWindow() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect over = main ? main->frameGeometry() : screen()->availableGeometry();
    QRect placed = frameGeometry();
    placed.moveCenter(over.center());
    move(placed.topLeft());
}

}  // namespace practice
