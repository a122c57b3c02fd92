#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include "app/chapter_tree_view.h"
#include "app/main_window.h"
#include "modal_driver.h"
#include "practice/result_window.h"
#include "record/record_window.h"
#include "scripted_messages.h"
#include "ui/picture_button.h"
#include "window_bank.h"

namespace {

// The main window on the window bank, its first chapter a1 open; the wrong-question question
// is answered "是".
class LearningRecordWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        messages.defaultAnswer = core::MessageService::Answer::Yes;
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        window->controls().Timer1->stop();  // no version check against the network
        window->show();
        ASSERT_TRUE(showsChapter(tree_rows::kA1));
    }

    bool showsChapter(int id) {
        return waitUntil([&] {
            return window->state().PageShown == 1 &&
                   window->state().CurrentChapterId == QString::number(id);
        });
    }

    // The hand-in button, as the user presses it; the result window is closed once its page is
    // built. Returns when the hand-in has ended.
    void handInThePage() {
        QTimer* timer2 = window->controls().Timer2;
        bool built = false;
        const QMetaObject::Connection ticks =
            QObject::connect(timer2, &QTimer::timeout, [&] { built = true; });
        QTimer closeResult;
        QObject::connect(&closeResult, &QTimer::timeout, [&] {
            auto* result = qobject_cast<practice::TForm15*>(QApplication::activeModalWidget());
            if (result && built && !timer2->isActive()) result->Image1Click();
        });
        closeResult.start(50);
        const qsizetype asked = messages.asked.size();
        QTest::mouseClick(window->controls().NewImage12, Qt::LeftButton, {},
                          window->controls().NewImage12->rect().center());
        ASSERT_TRUE(waitUntil([&] { return messages.asked.size() == asked + 1; }, 30000));
        QObject::disconnect(ticks);
    }

    void clickNode(int absoluteIndex) {
        app::ChapterTreeView& tree = *window->controls().TreeView1;
        QTreeWidgetItem* node = tree.nodeAt(absoluteIndex);
        ASSERT_NE(node, nullptr);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
    }

    WindowBank bank;
    ScriptedMessages messages;
    std::unique_ptr<app::TForm10> window;
};

// Three hand-ins of a1 left unanswered: Ctrl+L over another chapter shows three points in each
// practice series, a1 as the weakest chapter, and a double click on it opens a1 here.
TEST_F(LearningRecordWindowTest, ThreeHandInsDrawThreePointsPerSeriesAndTheWeakestChapterOpens) {
    for (int i = 0; i < 3; ++i) handInThePage();
    clickNode(7);  // c1
    ASSERT_TRUE(showsChapter(tree_rows::kC1));

    QStringList series;
    QList<int> points;
    QString examTitle;
    QStringList weakest;
    ModalDriver driver;
    driver.then<record::RecordWindow>(
        [&](record::RecordWindow& record) {
            for (QAbstractSeries* one : record.controls().PracticeChart->chart()->series()) {
                series << one->name();
                points << static_cast<QLineSeries*>(one)->count();
            }
            examTitle = record.controls().ExamChart->chart()->title();
            QTableWidget& chapters = *record.controls().WeakChapters;
            for (int column = 0; column < chapters.columnCount(); ++column)
                weakest << chapters.item(0, column)->text();
            const QRect row = chapters.visualItemRect(chapters.item(0, 0));
            // A double click as the platform delivers it: press, release, then the double click.
            QTest::mouseClick(chapters.viewport(), Qt::LeftButton, {}, row.center());
            QTest::mouseDClick(chapters.viewport(), Qt::LeftButton, {}, row.center());
        },
        [](record::RecordWindow& record) {
            // Read, and laid out: the first chapter's row is where a click reaches it.
            const QTableWidget& chapters = *record.controls().WeakChapters;
            return !record.reading() && chapters.rowCount() > 0 &&
                   chapters.viewport()->rect().contains(
                       chapters.visualItemRect(chapters.item(0, 0)).center());
        });
    // Pressed where the user works: on the page.
    QWidget* page = window->controls().WebBrowser1->focusProxy();
    ASSERT_NE(page, nullptr);
    page->setFocus();
    QTest::keyClick(page, Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(driver.timedOut());
    ASSERT_EQ(driver.stepsDone(), 1);

    EXPECT_EQ(series, QStringList({QStringLiteral("A1型题"), QStringLiteral("合计")}));
    EXPECT_EQ(points, QList<int>({3, 3}));
    EXPECT_EQ(examTitle, QStringLiteral("模拟考试正确率（按题型）：暂无记录"));
    EXPECT_EQ(weakest, QStringList({"a1", "1", "0%", "3"}));
    ASSERT_TRUE(showsChapter(tree_rows::kA1));
    EXPECT_TRUE(
        pageText(*window->controls().WebBrowser1).contains(QStringLiteral("第一章节的题目")));
    EXPECT_EQ(window->controls().TreeView1->currentItem()->text(0), QStringLiteral("a1"));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// A look at the record keeps the page: closing the window reopens nothing.
TEST_F(LearningRecordWindowTest, ClosingTheRecordKeepsThePage) {
    clickNode(7);  // c1
    ASSERT_TRUE(showsChapter(tree_rows::kC1));
    ModalDriver driver;
    driver.then<record::RecordWindow>([](record::RecordWindow& record) { record.close(); });
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(driver.stepsDone(), 1);
    settle(500);
    EXPECT_EQ(window->state().CurrentChapterId, QString::number(tree_rows::kC1));
    EXPECT_EQ(window->state().PageShown, 1);
    EXPECT_EQ(window->state().SkipAutoOpen, 0);
}

}  // namespace
