#pragma once

#include <QFrame>
#include <array>

class QLabel;

namespace app {

// The status bar StatusBar1: panel 0 (255 wide, centred) the question count, panel 1 (800 wide,
// centred) a notice line, panel 2 (the rest, left-aligned) the date line. When the window is
// narrower than the three together, the notice panel gives way so the date line stays readable.
class StatusPanels : public QFrame {
    Q_OBJECT

  public:
    static constexpr int kPanelCount = 3;

    explicit StatusPanels(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    QLabel* panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }

  private:
    std::array<QLabel*, kPanelCount> panels_{};
};

}  // namespace app
