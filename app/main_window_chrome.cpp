// The main window's chrome: the window buttons of the title strip, maximise and restore, the
// full-screen view, moving by the title strip, exit, and the toolbar's web links, help, backup
// and restore.
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "app/main_window.h"
#include "core/program_texts.h"
#include "services/backup_window.h"
#include "services/restore_window.h"
#include "services/version_check.h"
#include "ui/picture_button.h"

namespace app {

namespace {

// The vendor's site, fixed at build time (VANTREL_HOME_PAGE).
const QString kHomePage = QStringLiteral(VANTREL_HOME_PAGE);

}  // namespace

void TForm10::createChromeCommands() {
    const auto on = [this](ui::PictureButton* button, void (TForm10::*handler)()) {
        onClick(button, [this, handler] { (this->*handler)(); });
    };
    on(ui_.NewImage9, &TForm10::Image4Click);
    on(ui_.NewImage8, &TForm10::NewImage8Click);
    on(ui_.NewImage19, &TForm10::Image6Click);
    on(ui_.NewImage7, &TForm10::tcxtClick);
    on(ui_.NewImage17, &TForm10::NewImage17Click);
    on(ui_.NewImage18, &TForm10::NewImage18Click);
    on(ui_.zxkf, &TForm10::zxkfClick);
    on(ui_.zxsc, &TForm10::zxscClick);
    on(ui_.sybz, &TForm10::sybzClick);
    on(ui_.NewImage4, &TForm10::NewImage4Click);
    on(ui_.NewImage2, &TForm10::NewImage2Click);
    on(ui_.rjsj, &TForm10::rjsjClick);
    ui_.Panel5->installEventFilter(this);

    versionCheck_ = std::make_unique<services::VersionCheck>(
        places_, core::programTexts().VersionFileUrl, messages_);
    // Its first tick comes as soon as the event loop runs after start-up.
    ui_.Timer1 = new QTimer(this);
    ui_.Timer1->setInterval(1);
    connect(ui_.Timer1, &QTimer::timeout, this, &TForm10::Timer1Timer);
    ui_.Timer1->start();
}

// Off before the check: the download and the message box let timer events through. A tick
// that comes while a page is being built (the first chapter, at start-up) leaves the check to
// a later tick: its download would hold that build back behind the network, up to its deadline.
void TForm10::Timer1Timer() {
    if (controller_->buildRunning() || gate_.busy()) return;
    ui_.Timer1->stop();
    versionCheck_->startupCheck();
}

void TForm10::rjsjClick() { versionCheck_->manualCheck(); }

// A toggle between the normal and the maximised layout. Either way the hidden hand-in button
// leaves the place the last tree build noted, which stops the automatic opening of node 2 until
// the next view switch.
void TForm10::Image6Click() {
    if (isMaximized()) {
        ui_.NewImage8->show();
        ui_.NewImage19->hide();
        showNormal();
        ui_.placeWindowButtons(screen()->geometry().width(), false);
        ui_.BitBtn1->move(kHandInButtonHomeX, ui_.BitBtn1->y());
        ui_.AdvOfficeImage3->move(kLogoHomeX, ui_.AdvOfficeImage3->y());
        return;
    }
    ui_.NewImage8->hide();
    ui_.NewImage19->show();
    const int before = width();
    showMaximized();
    // A window manager maximises later; the layout is for the size it will have.
    const int after = screen()->availableGeometry().width();
    ui_.placeWindowButtons(screen()->geometry().width(), true);
    ui_.BitBtn1->move(screen()->geometry().width() - 560, ui_.BitBtn1->y());
    ui_.AdvOfficeImage3->move(after - before - 10, ui_.AdvOfficeImage3->y());
}

void TForm10::NewImage8Click() { Image6Click(); }

void TForm10::Panel5DblClick() { Image6Click(); }

void TForm10::Panel5MouseMove() {
    if (windowHandle()) windowHandle()->startSystemMove();
}

void TForm10::NewImage17Click() {
    ui_.ToolBar1->hide();
    ui_.Panel2->hide();
    ui_.Panel5->hide();
    ui_.NewImage18->show();
    ui_.NewImage17->hide();
    if (isMaximized()) {
        state().FullScreenFromMaximised = 1;
        return;
    }
    state().FullScreenFromMaximised = 0;
    Image6Click();
}

void TForm10::NewImage18Click() {
    ui_.NewImage17->show();
    ui_.NewImage18->hide();
    ui_.ToolBar1->show();
    ui_.Panel2->show();
    ui_.Panel5->show();
    if (state().FullScreenFromMaximised != 1) Image6Click();
}

void TForm10::Image4Click() { showMinimized(); }

void TForm10::tcxtClick() {
    if (messages().ask(QStringLiteral("提示"), QStringLiteral("确定退出系统？"),
                       core::MessageService::Buttons::OkCancel) != core::MessageService::Answer::Ok)
        return;
    controller_->close();
    close();  // the program ends with its main window
}

void TForm10::zxkfClick() { openExternal(QUrl(kHomePage)); }

void TForm10::zxscClick() { openExternal(QUrl(kHomePage + QStringLiteral("/gmzx.asp"))); }

void TForm10::sybzClick() {
    openExternal(QUrl::fromLocalFile(places_.programDir + QStringLiteral("hlp.chm")));
}

void TForm10::NewImage4Click() { execOwnWindow(*windows_->Form13); }

// A restored bank is a new bank for the main window too, before the dialog's closing activates it.
void TForm10::NewImage2Click() {
    execOwnWindow(*windows_->Form14, [this](int result) {
        if (result == QDialog::Accepted) controller_->followRestoredBank();
    });
}

void TForm10::openExternal(const QUrl& target) {
    const bool started = openExternal_ ? openExternal_(target) : QDesktopServices::openUrl(target);
    if (!started) qWarning("could not open %s", qUtf8Printable(target.toDisplayString()));
}

// The title strip: a drag moves the window, a double click maximises or restores it. A press
// alone does nothing, so that a double click is not taken for the start of a move.
bool TForm10::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui_.Panel5) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return true;
        case QEvent::MouseMove:
            if (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton) Panel5MouseMove();
            return true;
        case QEvent::MouseButtonDblClick:
            Panel5DblClick();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace app
