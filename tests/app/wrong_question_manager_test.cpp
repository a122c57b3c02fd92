#include "app/wrong_question_manager.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "app/marked_views.h"
#include "fake_main_window.h"
#include "recording_page_view.h"
#include "scripted_messages.h"
#include "view_bank.h"

namespace {

using app::TForm16;

class TForm16Test : public testing::Test {
  protected:
    TForm16Test() : form(bank.programDir(), messages) {
        bank.run(
            "update question set ct='1' where id in (104, 101, 103);"
            "update question set ct1='1' where id=103;");
    }
    ~TForm16Test() override { form.hide(); }

    QStringList listedStems() const {
        QStringList stems;
        for (int row = 0; row < form.lstDetail->rowCount(); ++row)
            stems << form.lstDetail->item(row, TForm16::kContentColumn)->text();
        return stems;
    }
    QList<bool> checks() const {
        QList<bool> result;
        for (int row = 0; row < form.lstDetail->rowCount(); ++row) result << form.isRowChecked(row);
        return result;
    }
    QString bankIds() const {
        return bank.value(
            "select group_concat(id) from (select id from question where ct='1' order by id)");
    }

    ViewBank bank;
    ScriptedMessages messages;
    TForm16 form;
};

TEST_F(TForm16Test, WindowAndControlsHaveTheirDesignLook) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("错题题库"));
    EXPECT_EQ(form.size(), QSize(1022, 563));
    EXPECT_EQ(form.pos(), QPoint(229, 115));
    EXPECT_NE(form.minimumSize(), form.maximumSize());  // resizable
    form.show();

    QTableWidget& list = *form.lstDetail;
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), QStringLiteral("选题"));
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), QStringLiteral("错题内容"));
    EXPECT_EQ(list.columnWidth(1), 900);
    EXPECT_TRUE(list.showGrid());
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(list.font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(list.font().pixelSize(), 16);
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(233, 245, 250));
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_TRUE(list.item(0, 0)->text().isEmpty());  // only the check box
    EXPECT_TRUE(list.item(0, 0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(list.item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(list.geometry().bottom() + 1, form.Panel2->y());  // the list fills the rest

    EXPECT_EQ(form.Panel2->height(), 38);
    EXPECT_EQ(form.Panel2->geometry().bottom(), form.height() - 1);
    const QList<std::pair<QPushButton*, std::pair<int, QString>>> buttons = {
        {form.btnSelAll, {17, "全选"}},
        {form.btnInvert, {93, "反选"}},
        {form.bsSkinButton1, {809, "删除"}},
        {form.bsSkinButton2, {897, "确定"}}};
    for (const auto& [button, design] : buttons) {
        EXPECT_EQ(button->x(), design.first) << design.second.toStdString();
        EXPECT_EQ(button->size(), QSize(63, 25)) << design.second.toStdString();
        EXPECT_EQ(button->text(), design.second);
    }
}

TEST_F(TForm16Test, ShowingListsTheBankInIdOrderAsReadableText) {
    form.show();
    EXPECT_EQ(listedStems(), QStringList({"心脏位于胸腔内", "肝脏分泌的是", "肾脏的功能单位是"}));
    EXPECT_EQ(checks(), QList<bool>({false, false, false}));
    // Every showing reads the bank anew.
    form.hide();
    bank.run("update question set ct='1' where id=102;");
    form.show();
    EXPECT_EQ(form.lstDetail->rowCount(), 4);
    EXPECT_EQ(form.lstDetail->item(1, 1)->text(), QStringLiteral("肺的功能单位是"));
}

TEST_F(TForm16Test, SelectAllAndInvert) {
    form.show();
    form.btnInvert->click();  // nothing checked: everything checked
    EXPECT_EQ(checks(), QList<bool>({true, true, true}));
    form.setRowChecked(1, false);
    form.btnInvert->click();
    EXPECT_EQ(checks(), QList<bool>({false, true, false}));
    form.btnSelAll->click();
    EXPECT_EQ(checks(), QList<bool>({true, true, true}));
}

TEST_F(TForm16Test, DeleteTakesExactlyTheCheckedQuestionsOutOfTheBank) {
    form.show();
    form.setRowChecked(0, true);  // 101
    form.setRowChecked(2, true);  // 104
    form.bsSkinButton1->click();
    EXPECT_TRUE(messages.asked.isEmpty());  // no confirmation
    EXPECT_EQ(bankIds(), "103");
    EXPECT_EQ(bank.questionFlag("ct", 101), "");
    EXPECT_FALSE(bank.isNull("question", "ct", 101));
    EXPECT_EQ(bank.questionFlag("ct1", 103), "1");
    EXPECT_EQ(listedStems(), QStringList({"肝脏分泌的是"}));
    EXPECT_EQ(checks(), QList<bool>({false}));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(TForm16Test, DeleteWithNothingCheckedChangesNothingAndReloads) {
    form.show();
    bank.run("update question set content='肝脏分泌的是什么' where id=103;");
    form.bsSkinButton1->click();
    EXPECT_EQ(bankIds(), "101,103,104");
    EXPECT_EQ(form.lstDetail->item(1, 1)->text(), QStringLiteral("肝脏分泌的是什么"));
}

TEST_F(TForm16Test, DeleteLeavesRowsWhoseQuestionChangedPlaceSinceTheListWasFilled) {
    form.show();
    form.setRowChecked(0, true);  // 101
    bank.run("insert into question(id, readtextid, content, ct) values(50, 1, '新错题', '1');");
    form.bsSkinButton1->click();
    // Row 1 of a fresh read is now question 50, which the user never saw checked.
    EXPECT_EQ(bankIds(), "50,101,103,104");
    EXPECT_EQ(form.lstDetail->rowCount(), 4);
}

TEST_F(TForm16Test, ConfirmButtonClosesTheWindow) {
    form.show();
    ASSERT_TRUE(form.isVisible());
    form.bsSkinButton2->click();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TForm16Test, BankFailuresReachTheErrorReport) {
    bank.run("drop table question;");
    form.show();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains("question"))
        << messages.errors.first().toStdString();
    EXPECT_EQ(form.lstDetail->rowCount(), 0);
}

// The wrong-question view with the real manager: every row deleted, then closed.
TEST_F(TForm16Test, DeletingEveryRowThenClosingLeadsToNoWrongQuestions) {
    RecordingPageView page;
    FakeMainWindow host(bank.programDir(), page, messages);
    app::MarkedViews views(host, [this] {
        form.show();
        form.btnSelAll->click();
        form.bsSkinButton1->click();
        EXPECT_EQ(form.lstDetail->rowCount(), 0);
        form.bsSkinButton2->click();
    });
    views.NewImage20Click();
    EXPECT_EQ(messages.infos, QStringList({"您没有错题！"}));
    EXPECT_EQ(bankIds(), "");
    EXPECT_EQ(host.formShows, 0);
}

}  // namespace
