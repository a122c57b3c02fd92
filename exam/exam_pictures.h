#pragma once

#include <QSize>
#include <QString>
#include <array>

// The artwork of the exam screens, drawn at build time into the program directory's folder ks.
// Names are relative to the program directory.
namespace exam::pictures {

// Login screen TForm2.
inline const QString kLoginBackground = QStringLiteral("ks/login-background.png");  // stretched
inline const QString kLoginPanel = QStringLiteral("ks/login-panel.png");            // Image2
inline const QString kLoginNotice = QStringLiteral("ks/login-notice.png");          // Image3
inline const QString kLoginGuide = QStringLiteral("ks/login-guide.png");            // Image4
inline constexpr QSize kLoginPanelSize(607, 154);
inline constexpr QSize kLoginCardSize(299, 253);

// Candidate screen TForm3.
inline const QString kCandidateBackground = QStringLiteral("ks/candidate-background.png");
inline const QString kCandidatePanel = QStringLiteral("ks/candidate-panel.png");        // Image4
inline const QString kCandidateComputer = QStringLiteral("ks/candidate-computer.png");  // Image2
inline const QString kCandidatePhoto = QStringLiteral("ks/candidate-photo.png");        // Image3
inline constexpr QSize kCandidatePanelSize(465, 505);
inline constexpr QSize kCandidateComputerSize(225, 209);
inline constexpr QSize kCandidatePhotoSize(218, 297);

// A picture button's three faces: mouse away, mouse over, mouse pressed.
struct ButtonFaces {
    QString leave;
    QString move;
    QString press;
};

inline ButtonFaces buttonFaces(const QString& name) {
    const QString stem = QStringLiteral("ks/btn-") + name;
    return {stem + QStringLiteral("-1.png"), stem + QStringLiteral("-2.png"),
            stem + QStringLiteral("-3.png")};
}

// Every button face has this size.
inline constexpr QSize kButtonSize(110, 40);

// Candidate screen: SpeedButton1 重新登录, SpeedButton2 开始考试, SpeedButton3 观看演示.
inline const ButtonFaces kReloginButton = buttonFaces(QStringLiteral("relogin"));
inline const ButtonFaces kStartButton = buttonFaces(QStringLiteral("start"));
inline const ButtonFaces kDemoButton = buttonFaces(QStringLiteral("demo"));

// Exam window's bottom strip: BitBtn1 上一题, BitBtn2 下一题, BitBtn3 计算器, BitBtn5 交 卷,
// BitBtn4 帮 助（3）.
inline const ButtonFaces kPreviousButton = buttonFaces(QStringLiteral("previous"));
inline const ButtonFaces kNextButton = buttonFaces(QStringLiteral("next"));
inline const ButtonFaces kCalculatorButton = buttonFaces(QStringLiteral("calculator"));
inline const ButtonFaces kHandInButton = buttonFaces(QStringLiteral("hand-in"));
inline const ButtonFaces kHelpButton = buttonFaces(QStringLiteral("help"));

}  // namespace exam::pictures
