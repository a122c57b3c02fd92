#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that opens while it lives: records its caption and text and
// presses the button whose text is `buttonText`.
class MessageBoxCloser : public QObject {
  public:
    explicit MessageBoxCloser(QString buttonText = QStringLiteral("确定"))
        : buttonText_(std::move(buttonText)) {
        connect(&poll_, &QTimer::timeout, this, &MessageBoxCloser::answerOpenBox);
        poll_.start(20);
    }

    QStringList captions;
    QStringList texts;
    QList<QWidget*> owners;  // the window each box was shown over

  private:
    void answerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() != buttonText_) continue;
            captions << box->windowTitle();
            texts << box->text();
            owners << (box->parentWidget() ? box->parentWidget()->window() : nullptr);
            button->click();
            return;
        }
    }

    QString buttonText_;
    QTimer poll_;
};
