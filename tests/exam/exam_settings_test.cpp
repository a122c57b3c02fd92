#include "exam/exam_settings.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "store/connection.h"
#include "temp_bank.h"
#include "ts_rows.h"

using exam::SettingFields;
using exam::SettingsCheck;

namespace {

// A bank whose ts holds the demo counts: 40 single choice (configured 40), 10, 2, 2.
class ExamSettingsTest : public testing::Test {
  protected:
    void SetUp() override { insertDemoCounts(bank); }

    QStringList rows() const { return tsRowsOf(bank); }

    TempBank bank;
};

TEST_F(ExamSettingsTest, ChecksTheFieldsInTheDialogsOrder) {
    const auto check = [](SettingFields fields) { return exam::checkSettingFields(fields); };
    EXPECT_EQ(check({"50", "50", "50", "50"}), SettingsCheck::Accepted);
    EXPECT_EQ(check({"00", "0", "0", "0"}), SettingsCheck::Accepted);  // "00" is not "0"
    EXPECT_EQ(check({"0", "0", "1", "0"}), SettingsCheck::Accepted);
    EXPECT_EQ(check({"0", "0", "0", "5"}), SettingsCheck::SettingError);
    EXPECT_EQ(check({"12", "", "3", "4"}), SettingsCheck::SettingError);
    // Pasted text that is no whole number, blanks and signs included.
    EXPECT_EQ(check({"1a", "1", "1", "1"}), SettingsCheck::SettingError);
    EXPECT_EQ(check({"1", " 5", "1", "1"}), SettingsCheck::SettingError);
    EXPECT_EQ(check({"1", "1", "-5", "1"}), SettingsCheck::SettingError);
    EXPECT_EQ(check({"1", "1", "1", "５"}), SettingsCheck::SettingError);  // a full-width digit
    EXPECT_EQ(check({"51", "1", "1", "1"}), SettingsCheck::OverLimit);
    EXPECT_EQ(check({"1", "1", "1", "51"}), SettingsCheck::OverLimit);
    EXPECT_EQ(check({"99999999999999999999", "1", "1", "1"}), SettingsCheck::OverLimit);
    EXPECT_EQ(check({"", "51", "1", "1"}), SettingsCheck::SettingError);  // empty comes first
    EXPECT_EQ(check({"0", "0", "0", "51"}), SettingsCheck::OverLimit);    // the limit before zeros
}

TEST_F(ExamSettingsTest, SavesAllFourRowsAndKeepsRowOneTwice) {
    store::Connection connection = bank.connect();
    exam::saveSettingFields(connection, {"50", "50", "50", "50"});
    EXPECT_EQ(rows(), QStringList({"50/50", "50/", "50/", "50/"}));

    exam::saveSettingFields(connection, {"00", "0", "0", "7"});
    EXPECT_EQ(rows(), QStringList({"00/00", "0/", "0/", "7/"}));
    EXPECT_EQ(exam::readSettingFields(connection), SettingFields({"00", "0", "0", "7"}));
}

TEST_F(ExamSettingsTest, ShowsTheConfiguredCountWhatEverTheTitleChoiceLeftInRowOne) {
    store::Connection connection = bank.connect();
    exam::saveSettingFields(connection, {"12", "5", "1", "1"});

    exam::applyTitleChoice(connection, 0);  // no single-choice part in this paper
    EXPECT_EQ(rows().first(), QStringLiteral("0/12"));
    EXPECT_EQ(exam::readSettingFields(connection)[0], QStringLiteral("12"));

    exam::applyTitleChoice(connection, 1);
    EXPECT_EQ(rows().first(), QStringLiteral("12/12"));
}

TEST_F(ExamSettingsTest, AFailedSaveWritesNoRowAtAll) {
    bank.run(
        QStringLiteral("create trigger refuse_row3 before update on ts when old.rid = 3 "
                       "begin select raise(abort, 'row 3 is locked'); end;"));
    store::Connection connection = bank.connect();
    EXPECT_THROW(exam::saveSettingFields(connection, {"20", "20", "20", "20"}), core::Error);
    connection.close();
    EXPECT_EQ(rows(), QStringList({"40/40", "10/", "2/", "2/"}));
}

TEST_F(ExamSettingsTest, ABankWithoutSettingsRowsFailsLoudly) {
    bank.run(QStringLiteral("delete from ts;"));
    store::Connection connection = bank.connect();
    EXPECT_EQ(exam::readSettingFields(connection), SettingFields());
    EXPECT_THROW(exam::applyTitleChoice(connection, 1), core::Error);
}

}  // namespace
