#include "services/feedback_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QWindow>
#include <memory>

#include "pageview/web_page_view.h"
#include "services/feedback_background.h"
#include "services/feedback_layout.h"
#include "ui/design_placement.h"
#include "ui/outer_size.h"

namespace services {
namespace {

namespace layout = feedback_layout;

const QString kSent = QStringLiteral("您的问题已经反馈成功，谢谢您的反馈！");
const QString kFailed = QStringLiteral("反馈失败！");

}  // namespace

TForm9::TForm9(core::MessageService& messages, std::function<QString()> subjectName,
               QWidget* parent, FeedbackSender sender)
    : QWidget(parent, Qt::Window),
      messages_(messages),
      sender_(std::move(sender)),
      subjectName_(std::move(subjectName)) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("错题反馈"));
    createControls();
    resize(layout::kOuterSize);
}

TForm9::~TForm9() = default;

void TForm9::createControls() {
    // The background first, so that every control lies above it.
    Image1 = new FeedbackBackground(this);
    Image1->setGeometry(QRect(QPoint(0, 0), layout::kOuterSize));
    connect(Image1, &FeedbackBackground::labelClicked, this,
            [this](int index) { CheckBoxes.at(index)->toggle(); });

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(layout::kPanel1);
    WebBrowser1 = new pageview::WebPageView(Panel1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(QRect(QPoint(0, 0), layout::kPanel1.size()));

    const QStringList labels = layout::problemLabels();
    for (int i = 0; i < FeedbackReport::kFlagCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setAccessibleName(labels.at(i));  // the caption is on the background picture
        box->setGeometry(QRect(layout::kCheckBoxPositions.at(i), layout::kCheckBoxSize));
        CheckBoxes.at(i) = box;
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setGeometry(layout::kMemo1);

    Button1 = new QPushButton(QStringLiteral("确 定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(layout::kButton1);
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);

    Button2 = new QPushButton(QStringLiteral("取 消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(layout::kButton2);
    connect(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
}

void TForm9::resetForReport() {
    Memo1->clear();
    for (QCheckBox* box : CheckBoxes) box->setChecked(false);
}

pageview::WebPageView& TForm9::previewView() { return *WebBrowser1; }

void TForm9::setReportedQuestion(const QString& id, const QString& text) {
    questionId_ = id;
    questionText_ = text;
}

FeedbackReport TForm9::collectReport() const {
    FeedbackReport report;
    report.kemu = subjectName_();
    report.tihao = questionId_;
    report.tigan = questionText_;
    for (int i = 0; i < FeedbackReport::kFlagCount; ++i)
        report.flags.at(i) = CheckBoxes.at(i)->isChecked();
    report.shuoming = Memo1->toPlainText();
    return report;
}

void TForm9::Button1Click() {
    if (sending_) return;
    if (sendWhileResponsive(collectReport())) {
        messages_.info(kSent);
        close();
    } else {
        messages_.info(kFailed);
    }
}

void TForm9::Button2Click() { close(); }

// The login may wait up to the driver's time-out; the window stays painted and movable (and
// the main window usable) while a worker thread talks to the server.
bool TForm9::sendWhileResponsive(const FeedbackReport& report) {
    sending_ = true;
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    setCursor(Qt::BusyCursor);

    bool sent = false;
    QString error;
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(
        QThread::create([&] { sent = sender_.send(report, &error); }));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();

    unsetCursor();
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    sending_ = false;
    if (!sent) qWarning("feedback: report not sent: %s", qUtf8Printable(error));
    return sent;
}

QPoint TForm9::placeFor(const QRect& screenArea) { return ui::centredDesignArea(screenArea); }

void TForm9::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The outer size and place include the frame the window system adds.
    setFixedSize(ui::clientSizeFor(*this, layout::kOuterSize));
    move(placeFor(screen()->geometry()));
}

void TForm9::closeEvent(QCloseEvent* event) {
    // The send in progress decides what happens to the window when it ends.
    if (sending_)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

}  // namespace services
