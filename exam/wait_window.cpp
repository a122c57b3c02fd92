#include "exam/wait_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace exam {

TForm7::TForm7(QWidget& examWindow, QWidget& mainWindow, bool examInProgress)
    : QDialog(&examWindow, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      Label1(new QLabel(QStringLiteral("您好！ 本系统正在进行智能抽题，请稍候......"), this)),
      examWindow_(examWindow),
      mainWindow_(mainWindow),
      examInProgress_(examInProgress) {
    setObjectName(QStringLiteral("TForm7"));
    // Only a notice: the exam window keeps the keyboard, which its letter keys need.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(685, 97);
    setAutoFillBackground(true);
    QPalette aqua = palette();
    aqua.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(aqua);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPixelSize(18);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
}

void TForm7::showEvent(QShowEvent* event) {
    const QWidget& anchor = examInProgress_ ? examWindow_ : mainWindow_;
    move(anchor.x() + 165, anchor.y() + 350);
    QDialog::showEvent(event);
}

}  // namespace exam
