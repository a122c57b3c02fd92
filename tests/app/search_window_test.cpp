#include "search/search_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "app/main_window.h"
#include "app/program_windows.h"
#include "modal_driver.h"
#include "page_probe.h"
#include "pages/view_mode.h"
#include "scripted_messages.h"
#include "temp_bank.h"
#include "ui/picture_button.h"

// The question search of the main window on the demo bank, with the real widgets and page view:
// Ctrl+F, a text typed, a match chosen in the list, and that question on screen in its chapter.
namespace {

// Question 3013 is the last but three of chapter 211 (第一节 铅中毒), far below the first screen.
constexpr qint64 kFarQuestion = 3013;
const QString kFarQuestionText = QStringLiteral("对同车间其他工人");
constexpr int kFarChapter = 211;
constexpr int kFirstChapter = 111;

class SearchWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.useDemoBank();
        bank.installPageAssets();
    }

    void startWindow() {
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        window->controls().Timer1->stop();  // no version check against the network
        window->show();
        ASSERT_TRUE(waitForChapter(kFirstChapter));
    }

    bool waitForChapter(int id) {
        return waitUntil([&] {
            return window->state().PageShown == 1 &&
                   window->state().CurrentChapterId == QString::number(id);
        });
    }

    pageview::WebPageView& page() { return *window->controls().WebBrowser1; }

    // Runs the search window through `driver` and chooses the match of `questionId` for `text`
    // with a double click, as a user does.
    void searchAndChoose(ModalDriver& driver, const QString& text, qint64 questionId) {
        driver.then<search::SearchWindow>([text](search::SearchWindow& search) {
            search.textBox->clear();
            // Chinese arrives through the input method, committed whole.
            QInputMethodEvent typed;
            typed.setCommitString(text);
            QApplication::sendEvent(search.textBox, &typed);
            QTest::keyClick(search.textBox, Qt::Key_Return);
        });
        driver.then<search::SearchWindow>(
            [questionId](search::SearchWindow& search) {
                QTreeWidget& list = *search.hitList;
                for (int row = 0; row < list.topLevelItemCount(); ++row) {
                    QTreeWidgetItem* item = list.topLevelItem(row);
                    if (item->data(0, Qt::UserRole).toLongLong() != questionId) continue;
                    const QPoint at = list.visualItemRect(item).center();
                    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
                    return;
                }
                search.reject();  // not listed: the test's checks fail below
            },
            [](search::SearchWindow& search) {
                return search.indexReady() && search.hitList->topLevelItemCount() > 0;
            });
    }

    // Where the question's stem lies in the page's window: top, bottom, the window's height and
    // how far the page was scrolled.
    QVariantList stemPlace(qint64 questionId) {
        return pageValue(page(),
                         QStringLiteral("(function(){var e=document.getElementById('fan%1');"
                                        "if(!e)return [];var r=e.getBoundingClientRect();"
                                        "return [r.top,r.bottom,window.innerHeight,"
                                        "window.scrollY];})()")
                             .arg(questionId))
            .toList();
    }

    void expectOnScreen(qint64 questionId) {
        ASSERT_TRUE(waitUntil([&] { return stemPlace(questionId).size() == 4; }));
        // The scroll is asked of the page as soon as it is built; give it its frame.
        EXPECT_TRUE(waitUntil([&] {
            const QVariantList place = stemPlace(questionId);
            return place[0].toDouble() >= 0 && place[1].toDouble() <= place[2].toDouble();
        })) << "the stem is not within the page's window";
        EXPECT_GT(stemPlace(questionId)[3].toDouble(), 0);
    }

    TempBank bank;
    ScriptedMessages messages;
    std::unique_ptr<app::TForm10> window;
};

TEST_F(SearchWindowTest, ChoosingAMatchShowsThatQuestionOnItsChapterPage) {
    startWindow();
    ModalDriver driver;
    searchAndChoose(driver, kFarQuestionText, kFarQuestion);
    window->studyAids().openSearch();
    EXPECT_FALSE(driver.timedOut());
    ASSERT_EQ(window->windows().searchWindow().chosenQuestion(), kFarQuestion);

    ASSERT_TRUE(waitForChapter(kFarChapter));
    EXPECT_TRUE(pageText(page()).contains(QStringLiteral("对同车间其他工人应采取的措施有")));
    expectOnScreen(kFarQuestion);
    // The activation that followed the search window kept the chosen page.
    settle();
    EXPECT_EQ(window->state().CurrentChapterId, QString::number(kFarChapter));
    EXPECT_EQ(window->modeKey(), pages::kStartKey);

    // The list showed the chapter and the stem with the text marked.
    search::SearchWindow& search = window->windows().searchWindow();
    ASSERT_GE(search.hitList->topLevelItemCount(), 1);
    QTreeWidgetItem* first = search.hitList->topLevelItem(0);
    EXPECT_EQ(first->text(search::SearchWindow::kChapterColumn), QStringLiteral("第一节 铅中毒"));
    EXPECT_TRUE(first->text(search::SearchWindow::kStemColumn).contains(kFarQuestionText));
    EXPECT_TRUE(search.statusLine->text().startsWith(QStringLiteral("找到")));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// Ctrl+F opens the search; closed without a choice, the page on display stays as it was.
TEST_F(SearchWindowTest, CtrlFOpensTheSearchAndClosingItKeepsThePage) {
    startWindow();
    pageValue(page(), QStringLiteral("window.stillTheSamePage = true"));
    bool shown = false;
    ModalDriver driver;
    driver.then<search::SearchWindow>([&](search::SearchWindow& search) {
        shown = true;
        QTest::keyClick(search.textBox, Qt::Key_Escape);
    });
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return driver.stepsDone() == 1; }, 20000));
    ASSERT_TRUE(waitUntil([&] { return !window->windows().searchWindow().isVisible(); }));
    EXPECT_TRUE(shown);
    settle();
    EXPECT_EQ(pageValue(page(), QStringLiteral("window.stillTheSamePage === true")),
              QVariant(true));
    EXPECT_EQ(window->state().CurrentChapterId, QString::number(kFirstChapter));
}

// In the favourites view a question that is a favourite opens there (the tenth favourite of its
// chapter, below the first screen); one that is not is opened in the exercise set, which lists
// every question.
TEST_F(SearchWindowTest, AQuestionTheViewDoesNotListOpensInTheExerciseSet) {
    bank.run("update question set scbt='1' where id between 1001 and 1010;");
    startWindow();
    QTest::mouseClick(window->controls().NewImage1, Qt::LeftButton, {},
                      window->controls().NewImage1->rect().center());
    ASSERT_TRUE(waitForChapter(kFirstChapter));
    ASSERT_EQ(window->modeKey(), pages::kFavouritesKey);

    {
        ModalDriver driver;
        searchAndChoose(driver, QStringLiteral("型砂中的游离二氧化硅"), 1010);
        window->studyAids().openSearch();
        EXPECT_FALSE(driver.timedOut());
    }
    ASSERT_TRUE(waitForChapter(kFirstChapter));
    EXPECT_EQ(window->modeKey(), pages::kFavouritesKey);
    expectOnScreen(1010);

    {
        ModalDriver driver;
        searchAndChoose(driver, kFarQuestionText, kFarQuestion);
        window->studyAids().openSearch();
        EXPECT_FALSE(driver.timedOut());
    }
    ASSERT_TRUE(waitForChapter(kFarChapter));
    EXPECT_EQ(window->modeKey(), pages::kExerciseSetKey);
    EXPECT_EQ(window->modeTitle(), pages::kExerciseSetKey);
    expectOnScreen(kFarQuestion);
}

}  // namespace
