#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "exam/candidate_screen.h"
#include "exam/exam_pictures.h"
#include "exam/login_screen.h"
#include "scripted_messages.h"
#include "ui/main_window_state.h"
#include "ui/picture_button.h"

namespace pictures = exam::pictures;

namespace {

const QString kProgramDir = QStringLiteral(VANTREL_BIN_DIR "/");
const QList<QSize> kScreens{{1024, 768}, {1280, 1024}, {1366, 768}, {1920, 1080}};

std::string sizeText(const QSize& size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

void expectApart(const QList<QWidget*>& controls) {
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " / "
                << controls[j]->objectName().toStdString();
}

void expectInside(const QWidget* outer, const QList<QWidget*>& controls) {
    for (const QWidget* control : controls)
        EXPECT_TRUE(outer->geometry().contains(control->geometry()))
            << control->objectName().toStdString() << " outside "
            << outer->objectName().toStdString();
}

void expectPicture(const QLabel* label, const QSize& size) {
    EXPECT_EQ(label->size(), size) << label->objectName().toStdString();
    EXPECT_EQ(label->pixmap().size(), size) << label->objectName().toStdString();
}

class ScreenLayoutTest : public testing::Test {
  protected:
    exam::ExamContext context() { return {kProgramDir, messages, mainState, mainWindow}; }

    ScriptedMessages messages;
    ui::MainWindowState mainState;
    QWidget mainWindow;
};

TEST_F(ScreenLayoutTest, LoginScreenFollowsTheScreenMiddleAndKeepsItsControlsApart) {
    exam::TForm2 login(context(), {});
    expectPicture(login.Image2, pictures::kLoginPanelSize);
    expectPicture(login.Image3, pictures::kLoginCardSize);
    expectPicture(login.Image4, pictures::kLoginCardSize);
    EXPECT_FALSE(login.Image1->pixmap().isNull());
    EXPECT_EQ(login.Edit1->text(), QStringLiteral("00000000001"));
    EXPECT_TRUE(login.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(login.windowState() & Qt::WindowFullScreen);

    for (const QSize& screen : kScreens) {
        SCOPED_TRACE(sizeText(screen));
        login.resize(screen);
        login.placeControls(screen);
        const int h = screen.width() / 2;
        EXPECT_EQ(login.Label1->x(), h - 190);
        EXPECT_EQ(login.Image2->x(), h - 303);
        EXPECT_EQ(login.Image3->x(), h - 303);
        EXPECT_EQ(login.Image4->x(), h + 10);
        EXPECT_EQ(login.Label2->x(), h - 77);
        EXPECT_EQ(login.Edit1->x(), h);
        EXPECT_EQ(login.RzBitBtn1->x(), h - 77);
        EXPECT_EQ(login.RzBitBtn2->x(), login.RzBitBtn1->geometry().right() + 1 + 20);

        expectInside(&login, {login.Label1, login.Image2, login.Image3, login.Image4});
        expectInside(login.Image2, {login.Label2, login.Edit1, login.RzBitBtn1, login.RzBitBtn2});
        expectApart({login.Label1, login.Image2, login.Image3, login.Image4});
        expectApart({login.Label2, login.Edit1, login.RzBitBtn1, login.RzBitBtn2});
    }
}

TEST_F(ScreenLayoutTest, CandidateScreenFollowsTheScreenMiddleAndKeepsItsControlsApart) {
    exam::TForm3 candidate(context(), {});
    expectPicture(candidate.Image2, pictures::kCandidateComputerSize);
    expectPicture(candidate.Image3, pictures::kCandidatePhotoSize);
    expectPicture(candidate.Image4, pictures::kCandidatePanelSize);
    EXPECT_EQ(candidate.SpeedButton2->currentPicture(), pictures::kStartButton.leave);
    EXPECT_TRUE(candidate.RzRadioGroup1->isHidden());
    EXPECT_TRUE(candidate.SpeedButton3->isHidden());

    QList<QWidget*> labels;
    for (QLabel* label : candidate.CandidateLabels) {
        labels << label;
        EXPECT_EQ(label->font().pixelSize(), 19);
        EXPECT_EQ(label->font().families().first(), QStringLiteral("华文仿宋"));
    }
    EXPECT_EQ(candidate.CandidateLabels[0]->text(), QStringLiteral("      姓名：测试考生"));
    EXPECT_EQ(candidate.CandidateLabels[10]->text(), QStringLiteral("所在单位：测试单位"));

    for (const QSize& screen : kScreens) {
        SCOPED_TRACE(sizeText(screen));
        candidate.resize(screen);
        candidate.placeControls(screen);
        const int h = screen.width() / 2;
        for (QWidget* label : labels) EXPECT_EQ(label->x(), h - 86);
        EXPECT_EQ(candidate.Image4->x(), h - 106);
        EXPECT_EQ(candidate.Image2->x(), h - 328);
        EXPECT_EQ(candidate.Image3->x(), h - 328);
        EXPECT_EQ(candidate.Label12->x(), h - 328);
        EXPECT_EQ(candidate.RzRadioGroup1->x(), h + 65);
        EXPECT_EQ(candidate.SpeedButton3->x(), h - 60);
        EXPECT_EQ(candidate.SpeedButton1->x(), h + 60);
        EXPECT_EQ(candidate.SpeedButton2->x(), h + 180);

        expectInside(&candidate,
                     {candidate.Label12, candidate.Image2, candidate.Image3, candidate.Image4});
        expectInside(candidate.Image4,
                     labels + QList<QWidget*>{candidate.SpeedButton1, candidate.SpeedButton2});
        expectApart(labels + QList<QWidget*>{candidate.SpeedButton1, candidate.SpeedButton2});
        expectApart({candidate.Label12, candidate.Image2, candidate.Image3});
        EXPECT_LT(candidate.Label12->geometry().bottom(), candidate.Image4->y());
    }
}

TEST(ExamPictures, EveryButtonHasThreeDistinctFacesOfOneSize) {
    const QList<pictures::ButtonFaces> buttons{
        pictures::kReloginButton,  pictures::kStartButton, pictures::kDemoButton,
        pictures::kPreviousButton, pictures::kNextButton,  pictures::kCalculatorButton,
        pictures::kHandInButton,   pictures::kHelpButton};
    for (const pictures::ButtonFaces& faces : buttons) {
        SCOPED_TRACE(faces.leave.toStdString());
        const QImage leave(kProgramDir + faces.leave);
        const QImage move(kProgramDir + faces.move);
        const QImage press(kProgramDir + faces.press);
        for (const QImage* face : {&leave, &move, &press})
            EXPECT_EQ(face->size(), pictures::kButtonSize);
        EXPECT_NE(leave, move);
        EXPECT_NE(move, press);
        EXPECT_NE(leave, press);
    }
    for (const QString& background : {pictures::kLoginBackground, pictures::kCandidateBackground})
        EXPECT_TRUE(QFileInfo(kProgramDir + background).isFile()) << background.toStdString();
}

}  // namespace
