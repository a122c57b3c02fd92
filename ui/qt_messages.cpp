#include "qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/system_box.h"

namespace ui {

namespace {

const QString kOk = QStringLiteral("确定");

QString applicationTitle() { return QGuiApplication::applicationDisplayName(); }

}  // namespace

QtMessageService::QtMessageService(QWidget* fallbackParent) : fallbackParent_(fallbackParent) {}

namespace {

// Runs a box and gives the keyboard back to the window it stood over: without a window manager
// nobody else does, and the keyboard would stay with whatever window the server picks.
void runBox(QMessageBox& box) {
    box.exec();
    QWidget* over = box.parentWidget() ? box.parentWidget()->window() : nullptr;
    if (over && over->isVisible()) over->activateWindow();
}

}  // namespace

QWidget* QtMessageService::boxParent() const {
    if (QWidget* active = QApplication::activeModalWidget()) return active;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallbackParent_;
}

void QtMessageService::info(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::NoButton,
                    boxParent());
    box.addButton(kOk, QMessageBox::AcceptRole);
    runBox(box);
}

core::MessageService::Answer QtMessageService::ask(const QString& caption, const QString& text,
                                                   Buttons buttons, bool questionIcon) {
    QMessageBox box(questionIcon ? QMessageBox::Question : QMessageBox::NoIcon, caption, text,
                    QMessageBox::NoButton, boxParent());
    markAsSystemBox(box);
    if (buttons == Buttons::Ok) {
        box.setDefaultButton(box.addButton(kOk, QMessageBox::AcceptRole));
        runBox(box);
        return Answer::Ok;
    }
    const bool okCancel = buttons == Buttons::OkCancel;
    QPushButton* yes = box.addButton(okCancel ? kOk : QStringLiteral("是"),
                                     okCancel ? QMessageBox::AcceptRole : QMessageBox::YesRole);
    QPushButton* no = box.addButton(okCancel ? QStringLiteral("取消") : QStringLiteral("否"),
                                    okCancel ? QMessageBox::RejectRole : QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);  // Esc and the close box answer the negative button
    runBox(box);
    if (box.clickedButton() == yes) return okCancel ? Answer::Ok : Answer::Yes;
    return okCancel ? Answer::Cancel : Answer::No;
}

void QtMessageService::reportError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::NoButton,
                    boxParent());
    markAsSystemBox(box);
    box.addButton(kOk, QMessageBox::AcceptRole);
    runBox(box);
}

}  // namespace ui
