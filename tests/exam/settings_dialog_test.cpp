#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "exam/exam_settings.h"
#include "exam/exam_settings_dialog.h"
#include "screens_fixture.h"

namespace {

class SettingsDialogTest : public ExamScreensTest {
  protected:
    void SetUp() override {
        ExamScreensTest::SetUp();
        mainWindow.move(100, 80);
        settings = std::make_unique<exam::TForm6>(context(), &mainWindow);
    }

    void showSettings() {
        settings->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(settings.get()));
    }

    void type(const exam::SettingFields& texts) {
        for (int row = 0; row < exam::kExamTypeCount; ++row)
            settings->RzEdits[row]->setText(texts[row]);
    }

    void save() { QTest::mouseClick(settings->RzBitBtn1, Qt::LeftButton); }

    std::unique_ptr<exam::TForm6> settings;
};

TEST_F(SettingsDialogTest, ShowsTheStoredCountsBesideTheMainWindow) {
    showSettings();
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("参数设置"));
    EXPECT_EQ(settings->pos(), QPoint(290, 230));
    EXPECT_EQ(settings->frameGeometry().size(), QSize(499, 332));
    EXPECT_EQ(settings->fieldTexts(), exam::SettingFields({"40", "10", "2", "2"}));
    for (QWidget* control : settings->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(settings->rect().contains(control->geometry()))
            << control->objectName().toStdString();
}

TEST_F(SettingsDialogTest, SavesOrRefusesWithTheRightMessageAndStaysOpen) {
    showSettings();
    type({"50", "50", "50", "51"});
    save();
    EXPECT_EQ(messages.infos, QStringList{exam::kOverLimit});
    EXPECT_EQ(settings->fieldTexts(), exam::SettingFields({"40", "10", "2", "2"}));

    type({"0", "0", "0", "5"});
    save();
    type({"", "1", "1", "1"});
    save();
    EXPECT_EQ(messages.infos.mid(1), QStringList({exam::kSettingError, exam::kSettingError}));
    EXPECT_EQ(tsRows(), QStringList({"40/40", "10/", "2/", "2/"}));

    type({"50", "50", "50", "50"});
    save();
    EXPECT_EQ(messages.infos.last(), exam::kSettingsSaved);
    EXPECT_EQ(tsRows(), QStringList({"50/50", "50/", "50/", "50/"}));
    EXPECT_TRUE(settings->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(SettingsDialogTest, TakesOnlyDigitsFromTheKeyboardButChecksPastedText) {
    showSettings();
    QLineEdit* field = settings->RzEdits[1];
    field->clear();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("a1-b2 .x"));
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("1"));

    QGuiApplication::clipboard()->setText(QStringLiteral("x5"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1x5"));
    save();
    EXPECT_EQ(messages.infos, QStringList{exam::kSettingError});
    EXPECT_EQ(tsRows().at(1), QStringLiteral("10/"));
}

TEST_F(SettingsDialogTest, AFailedSaveIsReportedAndWritesNothing) {
    bank.run(
        QStringLiteral("create trigger refuse_row3 before update on ts when old.rid = 3 "
                       "begin select raise(abort, 'row 3 is locked'); end;"));
    showSettings();
    type({"20", "20", "20", "20"});
    save();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains(QStringLiteral("row 3 is locked")));
    EXPECT_FALSE(messages.infos.contains(exam::kSettingsSaved));
    EXPECT_EQ(tsRows(), QStringList({"40/40", "10/", "2/", "2/"}));
}

TEST_F(SettingsDialogTest, EnterConfirmsWithoutSavingAndEveryShowingStartsUnconfirmed) {
    showSettings();
    settings->RzEdits[0]->setText(QStringLiteral("33"));
    QTest::mouseClick(settings->RzBitBtn2, Qt::LeftButton);
    EXPECT_EQ(settings->ExamEntryConfirmed, 1);
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(tsRows().first(), QStringLiteral("40/40"));

    showSettings();
    EXPECT_EQ(settings->ExamEntryConfirmed, 0);
    EXPECT_EQ(settings->RzEdits[0]->text(), QStringLiteral("40"));
    settings->close();  // the close box
    EXPECT_EQ(settings->ExamEntryConfirmed, 0);
}

}  // namespace
