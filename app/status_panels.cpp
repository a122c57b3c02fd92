#include "status_panels.h"

#include <QHBoxLayout>
#include <QLabel>

namespace app {

namespace {

constexpr int kCountWidth = 255;
constexpr int kNoticeWidth = 800;

QLabel* makePanel(QWidget* parent, const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(3, 0, 3, 0);
    return label;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(236, 240, 244));
    colours.setColor(QPalette::WindowText, QColor(30, 40, 50));
    setPalette(colours);

    panels_[0] = makePanel(this, QStringLiteral("试题量：XXX"), Qt::AlignHCenter);
    panels_[1] = makePanel(
        this,
        QStringLiteral("温馨提示：点击“显示答案”可查看答案与解析，交卷后错题自动收入错题题库"),
        Qt::AlignHCenter);
    panels_[2] = makePanel(this, QString(), Qt::AlignLeft);
    panels_[0]->setFixedWidth(kCountWidth);
    panels_[1]->setMaximumWidth(kNoticeWidth);
    panels_[1]->setMinimumWidth(0);
    panels_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(panels_[0]);
    row->addWidget(panels_[1], 800);
    row->addWidget(panels_[2], 1);
}

QString StatusPanels::panelText(int index) const { return panel(index)->text(); }

void StatusPanels::setPanelText(int index, const QString& text) {
    QLabel* label = panel(index);
    label->setText(text);
    // The date line keeps its whole text in view; the notice panel gives way.
    if (index == 2) label->setMinimumWidth(label->sizeHint().width());
}

}  // namespace app
