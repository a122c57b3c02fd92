#pragma once

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "core/messages.h"
#include "services/feedback_sender.h"

namespace pageview {
class WebPageView;
}

namespace services {

class FeedbackBackground;

// The error feedback window: a preview of the reported question, ten problem boxes, a remark,
// and the send / cancel buttons. Created once at start-up, hidden and shown again per report.
// The feedback command fills it: resetForReport(), show(), then builds the preview in
// previewView() and hands over the reported question (setReportedQuestion).
class TForm9 : public QWidget {
    Q_OBJECT

  public:
    // `subjectName` reads the subject as the main window shows it, the one place it is kept.
    // The sender defaults to the feedback server of this build; tests hand in another one.
    TForm9(core::MessageService& messages, std::function<QString()> subjectName,
           QWidget* parent = nullptr, FeedbackSender sender = FeedbackSender());
    ~TForm9() override;

    // Clears the remark and unticks all ten boxes.
    void resetForReport();
    // A report is on its way to the server.
    bool isSending() const { return sending_; }
    // WebBrowser1, the preview of the reported question.
    pageview::WebPageView& previewView();
    // The question the report is about: its id and stem, sent with the report.
    void setReportedQuestion(const QString& id, const QString& text);
    const QString& reportedQuestionId() const { return questionId_; }
    const QString& reportedQuestionText() const { return questionText_; }

    // Send: collects the report, sends it without freezing the window, and either thanks the
    // user and closes, or reports the failure and keeps everything the user entered.
    void Button1Click();
    // Cancel: closes without sending.
    void Button2Click();

    // Where the window's outer top-left corner goes when it is shown on that screen.
    static QPoint placeFor(const QRect& screenArea);

    // The report the window would send now, in column order.
    FeedbackReport collectReport() const;

    // Controls under their design names (tests and the feedback command reach them).
    QWidget* Panel1 = nullptr;
    pageview::WebPageView* WebBrowser1 = nullptr;
    std::array<QCheckBox*, FeedbackReport::kFlagCount> CheckBoxes{};  // CheckBox1 … CheckBox10
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    FeedbackBackground* Image1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QString questionId_;
    QString questionText_;
    void createControls();
    bool sendWhileResponsive(const FeedbackReport& report);

    core::MessageService& messages_;
    FeedbackSender sender_;
    std::function<QString()> subjectName_;
    bool sending_ = false;
};

}  // namespace services
