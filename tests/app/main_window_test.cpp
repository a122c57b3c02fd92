#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include "app/access_bank_start.h"
#include "app/chapter_tree_view.h"
#include "app/program_windows.h"
#include "app/status_panels.h"
#include "app/wrong_question_manager.h"
#include "core/program_texts.h"
#include "message_box_closer.h"
#include "modal_driver.h"
#include "practice/result_window.h"
#include "scripted_messages.h"
#include "services/restore_window.h"
#include "services/version_check.h"
#include "store/bank_backups.h"
#include "store/bank_copy.h"
#include "store/database.h"
#include "test_material.h"
#include "ui/picture_button.h"
#include "window_bank.h"

namespace {

const QString kA1Question = QStringLiteral("第一章节的题目");
const QString kC1Question = QStringLiteral("另一篇的题目");

// A main window on the window bank, shown, with its first chapter opened by the activation.
class MainWindowTest : public testing::Test {
  protected:
    void start() {
        window = std::make_unique<app::TForm10>(bank.programDir());
        window->controls().Timer1->stop();  // no version check against the network
        window->show();
    }
    void startAndWaitForNode2() {
        start();
        ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
        ASSERT_TRUE(pageText(*window->controls().WebBrowser1).contains(kA1Question));
    }
    bool waitForChapter(const QString& id) {
        return waitUntil([&] {
            return window->state().PageShown == 1 && window->state().CurrentChapterId == id;
        });
    }
    void clickNode(int absoluteIndex) {
        app::ChapterTreeView& tree = *window->controls().TreeView1;
        QTreeWidgetItem* node = tree.nodeAt(absoluteIndex);
        ASSERT_NE(node, nullptr);
        tree.scrollToItem(node);
        ASSERT_FALSE(tree.visualItemRect(node).isEmpty())
            << "node " << absoluteIndex << " is folded away";
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
    }
    ui::MainWindowState& state() { return window->state(); }

    WindowBank bank;
    std::unique_ptr<app::TForm10> window;
};

TEST_F(MainWindowTest, StartUpShowsSubjectCountAndDate) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    start();
    EXPECT_EQ(window->controls().Label4->text(), QStringLiteral("Vantrel 中级职称  职业病学"));
    EXPECT_EQ(window->controls().StatusBar1->panelText(0), QStringLiteral("试题量：5230"));
    EXPECT_EQ(core::programTexts().SubjectFolder, QStringLiteral("zyb"));
    EXPECT_EQ(core::programTexts().VersionFileUrl, services::updateBaseUrl() + "zyb/Predate.ini");

    const QString dateLine = window->controls().StatusBar1->panelText(2);
    const QString prefix = QStringLiteral("现在的日期和时间是： ");
    ASSERT_TRUE(dateLine.startsWith(prefix)) << dateLine.toStdString();
    const QDateTime shown =
        QDateTime::fromString(dateLine.mid(prefix.size()), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    ASSERT_TRUE(shown.isValid()) << dateLine.toStdString();
    EXPECT_GE(shown, before);
    EXPECT_LE(shown, QDateTime::currentDateTime().addSecs(1));
    EXPECT_EQ(window->modeKey(), QStringLiteral("高 级 试 题"));
    EXPECT_EQ(window->modeTitle(), QStringLiteral("习 题 集"));
}

// Installed, the window reads its template and pictures from the program directory and the
// bank from the user's data directory; nothing is written beside the program.
TEST_F(MainWindowTest, AnInstalledWindowKeepsTheBankInTheUsersDataDirectory) {
    QTemporaryDir dataDir;
    ASSERT_TRUE(QDir().mkpath(dataDir.filePath(QStringLiteral("Data"))));
    ASSERT_TRUE(QFile::rename(bank.bankPath(), dataDir.filePath(QStringLiteral("Data/med.mdb"))));
    window = std::make_unique<app::TForm10>(
        core::ProgramPlaces(bank.programDir(), dataDir.path() + u'/'));
    window->controls().Timer1->stop();
    window->show();
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
    EXPECT_TRUE(pageText(*window->controls().WebBrowser1).contains(kA1Question));
    EXPECT_EQ(window->windows().examContext.places.dataDir, dataDir.path() + u'/');
    window.reset();
    EXPECT_TRUE(QDir(bank.programDir() + QStringLiteral("Data"))
                    .entryList(QDir::Files | QDir::Hidden)
                    .isEmpty());
}

TEST_F(MainWindowTest, UnreadableBankKeepsTheDesignTexts) {
    bank.run("delete from kemu; delete from geshu;");
    start();
    EXPECT_EQ(window->controls().Label4->text(), QStringLiteral("Vantrel 中级职称"));
    EXPECT_EQ(window->controls().StatusBar1->panelText(0), QStringLiteral("试题量：XXX"));
}

TEST_F(MainWindowTest, RegionsHaveTheirDesignSizes) {
    start();
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->size(), QSize(1007, 551));
    EXPECT_EQ(window->controls().Panel5->height(), 25);
    EXPECT_EQ(window->controls().ToolBar1->height(), 64);
    EXPECT_EQ(window->controls().gjst->size(), QSize(63, 64));
    EXPECT_EQ(window->controls().NewImage1->size(), QSize(58, 64));
    EXPECT_EQ(window->controls().Panel2->width(), 257);
    EXPECT_EQ(window->controls().Panel6->height(), 30);
    EXPECT_EQ(window->controls().Panel4->height(), 31);
    EXPECT_EQ(window->controls().StatusBar1->height(), 19);
    EXPECT_EQ(window->controls().NewImage12->geometry(), QRect(261, 3, 95, 25));
    EXPECT_EQ(window->controls().NewImage15->geometry(), QRect(561, 3, 76, 25));
    EXPECT_EQ(window->controls().BitBtn1->x(), 488);
    EXPECT_FALSE(window->controls().BitBtn1->isVisible());
    EXPECT_FALSE(window->controls().NewImage16->isVisible());
    EXPECT_EQ(window->controls().Image8->geometry(),
              window->controls().Panel6->rect());  // the key stays hidden
}

TEST_F(MainWindowTest, PlacedCentredAsA1024By768Area) {
    EXPECT_EQ(app::TForm10::placementOn(QRect(0, 0, 1280, 1024)), QPoint(128, 128));
    start();
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(screen.width() / 2 - 512, screen.height() / 2 - 384));
}

TEST_F(MainWindowTest, FirstActivationOpensNode2) {
    startAndWaitForNode2();
    EXPECT_EQ(window->controls().TreeView1->currentItem(), window->controls().TreeView1->nodeAt(2));
    EXPECT_EQ(state().FontStep, 2);
    EXPECT_EQ(state().SkipAutoOpen, 0);
    for (int k = 0; k < window->controls().TreeView1->nodeCount(); ++k)
        EXPECT_TRUE(window->controls().TreeView1->nodeAt(k)->isExpanded() ||
                    window->controls().TreeView1->nodeAt(k)->childCount() == 0);
    EXPECT_EQ(QFileInfo(window->controls().WebBrowser1->url().toLocalFile()).fileName(), "ty.html");
}

TEST_F(MainWindowTest, ClickOnAChapterOpensItsPage) {
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));
    const QString text = pageText(*window->controls().WebBrowser1);
    EXPECT_TRUE(text.contains(kC1Question));
    EXPECT_FALSE(text.contains(kA1Question));
    // Selecting c1 folded the branch of a1 up to the parts they share.
    EXPECT_FALSE(window->controls().TreeView1->nodeAt(0)->isExpanded());
}

TEST_F(MainWindowTest, SectionWithoutChaptersShowsMessageAndItsClosingReopensNode2) {
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));

    clickNode(0);  // P1 unfolds again: opening c1 folded it
    settle(100);
    MessageBoxCloser closer;
    clickNode(4);  // section B
    EXPECT_TRUE(waitUntil([&] { return closer.texts.size() == 1; }));
    EXPECT_EQ(closer.texts, QStringList{QStringLiteral("本章节无试题!")});
    EXPECT_EQ(closer.captions, QStringList{QStringLiteral("Vantrel")});
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
    EXPECT_TRUE(pageText(*window->controls().WebBrowser1).contains(kA1Question));
    EXPECT_EQ(window->controls().TreeView1->currentItem(), window->controls().TreeView1->nodeAt(2));
}

TEST_F(MainWindowTest, PartOrSectionWithChaptersLeavesThePage) {
    startAndWaitForNode2();
    window->controls().NewImage10->hide();
    window->controls().NewImage16->show();
    clickNode(0);
    settle();
    EXPECT_EQ(state().PageShown, 1);
    EXPECT_TRUE(window->controls().NewImage10->isVisible());  // the show-all button is reset
    EXPECT_FALSE(window->controls().NewImage16->isVisible());
    EXPECT_TRUE(pageText(*window->controls().WebBrowser1).contains(kA1Question));
}

TEST_F(MainWindowTest, InformationAfterSkipAutoOpenLeavesThePage) {
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));
    state().SkipAutoOpen = 1;
    {
        MessageBoxCloser closer;
        window->messages().info(QStringLiteral("收藏成功"));
    }
    // The activation happened (it cleared the flag) and kept the page.
    EXPECT_TRUE(waitUntil([&] { return state().SkipAutoOpen == 0; }));
    settle();
    EXPECT_EQ(state().CurrentChapterId, QString::number(tree_rows::kC1));
    EXPECT_TRUE(pageText(*window->controls().WebBrowser1).contains(kC1Question));
}

TEST_F(MainWindowTest, SystemMessageBoxLeavesThePage) {
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));
    {
        MessageBoxCloser closer(QStringLiteral("取消"));
        window->messages().ask(QStringLiteral("提示"), QStringLiteral("确定退出系统？"),
                               core::MessageService::Buttons::OkCancel);
    }
    settle(800);
    EXPECT_EQ(state().CurrentChapterId, QString::number(tree_rows::kC1));
}

TEST_F(MainWindowTest, MovedHandInButtonStopsTheReopening) {
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));
    window->controls().BitBtn1->move(
        1280 - 560, window->controls().BitBtn1->y());  // as the maximised layout does
    {
        MessageBoxCloser closer;
        window->messages().info(QStringLiteral("不能将字体设置过大！"));
    }
    settle(800);
    EXPECT_EQ(state().CurrentChapterId, QString::number(tree_rows::kC1));
}

TEST_F(MainWindowTest, LinksAreCancelledWhileAPageIsShown) {
    startAndWaitForNode2();
    bool cancel = false;
    window->WebBrowser1BeforeNavigate2(QStringLiteral("http://www.example.com/a"), cancel);
    EXPECT_TRUE(cancel);
    window->controls().WebBrowser1->execScript(
        QStringLiteral("window.location.href = 'http://other101/';"));
    window->controls().WebBrowser1->execScript(
        QStringLiteral("window.location.href = 'http://www.example.com/';"));
    settle(800);
    EXPECT_EQ(QFileInfo(window->controls().WebBrowser1->url().toLocalFile()).fileName(), "ty.html");
    EXPECT_TRUE(pageText(*window->controls().WebBrowser1).contains(kA1Question));

    state().PageShown = 0;
    window->WebBrowser1BeforeNavigate2(QStringLiteral("http://scbt101/"), cancel);
    EXPECT_FALSE(cancel);
}

TEST_F(MainWindowTest, AllQuestionsButtonRebuildsTheTreeAndReopensNode2) {
    bank.run("update tree set ct='1' where id=71;");
    startAndWaitForNode2();
    window->setModeKeyAndTitle(QStringLiteral("错 题 题 库"));
    window->FormShow();
    EXPECT_EQ(window->controls().TreeView1->nodeCount(), 6);  // a1 and a2 are not listed
    state().SkipAutoOpen = 1;
    window->controls().NewImage11->hide();
    QTest::mouseClick(window->controls().gjst, Qt::LeftButton, {},
                      window->controls().gjst->rect().center());
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
    EXPECT_EQ(window->modeKey(), QStringLiteral("习 题 集"));
    EXPECT_EQ(window->modeTitle(), QStringLiteral("习 题 集"));
    EXPECT_EQ(window->controls().TreeView1->nodeCount(), 8);
    EXPECT_TRUE(window->controls().NewImage11->isVisible());
    EXPECT_TRUE(
        window->controls().TreeView1->nodeAt(5)->isExpanded());  // everything expanded again
}

// Closing a window or an information message of ours activates the main window before the
// command that opened it goes on: the manager's closing reopens node 2 of the old view, then
// the wrong-question view is built.
TEST_F(MainWindowTest, ClosingTheWrongQuestionManagerReopensTheOldViewBeforeTheNewOne) {
    bank.run("update question set ct='1' where id=101;");
    startAndWaitForNode2();
    clickNode(7);
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kC1)));
    const QString oldKey = window->modeKey();
    QStringList opened;  // the view's key and the node of every chapter selected
    QObject::connect(window->controls().TreeView1, &QTreeWidget::currentItemChanged,
                     [&](QTreeWidgetItem* now) {
                         if (now) opened << window->modeKey() + ' ' + now->text(0);
                     });
    app::TForm16* manager = window->windows().Form16;
    QTimer closeManager;
    QObject::connect(&closeManager, &QTimer::timeout, [&] {
        if (manager->isVisible() && QApplication::activeModalWidget() == manager)
            manager->bsSkinButton2->click();
    });
    closeManager.start(50);
    QTest::mouseClick(window->controls().NewImage20, Qt::LeftButton, {},
                      window->controls().NewImage20->rect().center());
    ASSERT_TRUE(waitUntil([&] { return window->modeKey() == QStringLiteral("错 题 题 库"); }));
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
    settle();
    EXPECT_EQ(opened, QStringList({oldKey + " a1", QStringLiteral("错 题 题 库 a1")}));
}

// A favourite toggle in the favourites mode: the activation of its message's closing comes
// first and only clears SkipAutoOpen; removing the last favourite then reports the empty view,
// and node 2 is reopened once, by the closing of that report, never behind it.
TEST_F(MainWindowTest, RemovingTheLastFavouriteReopensNode2OnceTheMessagesAreClosed) {
    bank.run("update question set scbt='1' where id=101;");
    startAndWaitForNode2();
    QTest::mouseClick(window->controls().NewImage1, Qt::LeftButton, {},
                      window->controls().NewImage1->rect().center());
    ASSERT_TRUE(waitUntil([&] { return window->modeKey() == QStringLiteral("收 藏 试 题"); }));
    ASSERT_TRUE(waitForChapter(QString::number(tree_rows::kA1)));
    window->controls().TreeView1->setCurrentItem(
        nullptr);  // so that reopening node 2 selects it anew
    settle();
    MessageBoxCloser closer;
    QList<int> messagesClosedAtReopening;
    QObject::connect(window->controls().TreeView1, &QTreeWidget::currentItemChanged,
                     [&](QTreeWidgetItem* now) {
                         if (now) messagesClosedAtReopening << closer.texts.size();
                     });
    clickOnPage(*window->controls().WebBrowser1, QStringLiteral("input[name=quelmarscbt]"));
    ASSERT_TRUE(waitUntil([&] { return closer.texts.size() == 2; }));
    ASSERT_TRUE(waitUntil([&] { return !messagesClosedAtReopening.isEmpty(); }));
    settle();
    EXPECT_EQ(closer.texts,
              QStringList({QStringLiteral("取消收藏！"), QStringLiteral("您没有收藏试题！")}));
    EXPECT_EQ(messagesClosedAtReopening, QList<int>({2}));
    EXPECT_EQ(bank.connect().query("select * from question where id=101").text("scbt"), QString());
}

// A file that is no bank at all: the report stands over the main window, names the file and
// points to the way back.
TEST_F(MainWindowTest, ABankThatIsNoBankIsReportedOverTheWindowWithTheWayBack) {
    QFile file(bank.bankPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 5 * 1024; ++i) file.putChar(char(QRandomGenerator::global()->bounded(256)));
    file.close();
    MessageBoxCloser closer;
    start();
    ASSERT_TRUE(waitUntil([&] { return !closer.texts.isEmpty(); }));
    EXPECT_TRUE(closer.texts[0].contains(bank.bankPath())) << closer.texts[0].toStdString();
    EXPECT_TRUE(closer.texts[0].contains(QStringLiteral("数据还原")))
        << closer.texts[0].toStdString();
    EXPECT_EQ(closer.owners[0], window.get());
    EXPECT_TRUE(window->controls().StatusBar1->panelText(2).startsWith(
        QStringLiteral("现在的日期和时间是")));
}

// A real bank is an Access file: it is converted before the window reads it, the window shows
// its tree and first chapter, and the original stays byte for byte under a name the restore
// dialog takes.
TEST_F(MainWindowTest, AnAccessBankIsConvertedBeforeTheWindowReadsIt) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString sample = testMaterial("testdata/jet/sample-bank.mdb");
    QFile::remove(bank.bankPath());
    ASSERT_TRUE(QFile::copy(sample, bank.bankPath()));
    ScriptedMessages messages;
    app::convertAccessBankOnStart(bank.programDir(), messages);
    ASSERT_EQ(messages.infos.size(), 1);
    const QStringList kept = QDir(bank.programDir() + "Data").entryList({"*Access*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    const QString keptPath = bank.programDir() + "Data/" + kept.first();
    EXPECT_TRUE(keptPath.contains(store::kBackupNameStem));
    EXPECT_TRUE(messages.infos.first().contains(keptPath)) << messages.infos.first().toStdString();
    EXPECT_EQ(fileBytes(keptPath), fileBytes(sample));

    const auto nodename = [&](int id) {
        return store::Database(bank.bankPath())
            .select("select nodename from tree where id=?", {id})
            .values.value(0)
            .value(0)
            .toString();
    };
    start();
    ASSERT_TRUE(waitForChapter(QStringLiteral("111")));
    EXPECT_EQ(window->controls().TreeView1->nodeAt(0)->text(0), nodename(1));
    EXPECT_EQ(window->controls().TreeView1->nodeAt(2)->text(0), nodename(111));
    EXPECT_EQ(window->controls().Label4->text(),
              QStringLiteral("Vantrel 中级职称  职业卫生（中级）"));
    EXPECT_EQ(fileBytes(keptPath), fileBytes(sample));
}

// An Access file that is no bank: the message names the file and the cause, the file stays as
// it was, and the window reports the unreadable bank with the way back.
TEST_F(MainWindowTest, AnAccessFileThatIsNoBankIsReportedAndLeftAsItWas) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString northwind = testMaterial("testdata/jet/nwind.mdb");
    QFile::remove(bank.bankPath());
    ASSERT_TRUE(QFile::copy(northwind, bank.bankPath()));
    ScriptedMessages messages;
    app::convertAccessBankOnStart(bank.programDir(), messages);
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_TRUE(messages.infos.first().contains(bank.bankPath() + " 不是题库：缺少数据表 tree"))
        << messages.infos.first().toStdString();
    EXPECT_EQ(fileBytes(bank.bankPath()), fileBytes(northwind));
    EXPECT_EQ(QDir(bank.programDir() + "Data").entryList(QDir::Files), QStringList{"med.mdb"});

    MessageBoxCloser closer;
    start();
    ASSERT_TRUE(waitUntil([&] { return !closer.texts.isEmpty(); }));
    EXPECT_TRUE(closer.texts[0].contains(QStringLiteral("数据还原")))
        << closer.texts[0].toStdString();
}

TEST_F(MainWindowTest, FailingTreeBuildReachesTheErrorReport) {
    startAndWaitForNode2();
    bank.run("drop table tree;");
    MessageBoxCloser closer;
    window->runReportingErrors([this] { window->gjstClick(); });
    ASSERT_EQ(closer.texts.size(), 1);
    EXPECT_TRUE(closer.texts.first().contains("tree")) << closer.texts.first().toStdString();
}

TEST_F(MainWindowTest, HandInKeepsTheMarkedPage) {
    startAndWaitForNode2();
    // The result window is closed once its page is filled (or after 20 s, so that a result
    // window that never fills fails the test instead of blocking it); the wrong-question
    // question is answered "否".
    QElapsedTimer clock;
    clock.start();
    bool resultTimerRan = false;
    QObject::connect(window->controls().Timer2, &QTimer::timeout, [&] { resultTimerRan = true; });
    QTimer closeResult;
    QObject::connect(&closeResult, &QTimer::timeout, [&] {
        practice::TForm15* result = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<practice::TForm15*>(top); form && form->isVisible())
                result = form;
        if (!result) return;
        const bool filled = resultTimerRan && !window->controls().Timer2->isActive();
        EXPECT_TRUE(filled || clock.elapsed() < 20000) << "the result page was never filled";
        if (filled || clock.elapsed() >= 20000) result->Image1Click();
    });
    closeResult.start(100);
    MessageBoxCloser closer(QStringLiteral("否"));

    QTest::mouseClick(window->controls().NewImage12, Qt::LeftButton, {},
                      window->controls().NewImage12->rect().center());
    ASSERT_TRUE(waitUntil([&] { return closer.texts.size() == 1; }, 30000));
    EXPECT_EQ(closer.texts.first(), QStringLiteral("您是否把这次的错题放到错题题库中？"));
    settle(800);
    // Still the marked page: the unanswered question's stem is red.
    EXPECT_EQ(
        pageValue(*window->controls().WebBrowser1, "document.getElementById('fan101').style.color"),
        QVariant(QStringLiteral("red")));
    EXPECT_EQ(state().SkipAutoOpen, 0);
    EXPECT_EQ(state().PageShown, 1);
}

// A picture of the window on the demo bank (or the window bank without one), for a person to
// look at: /tmp/vantrel-main.png.
TEST_F(MainWindowTest, Screenshot) {
    if (QFileInfo::exists(QStringLiteral(VANTREL_BIN_DIR "/Data/med.mdb"))) bank.useDemoBank();
    start();
    ASSERT_TRUE(
        waitUntil([&] { return state().PageShown == 1 && !state().CurrentChapterId.isEmpty(); }));
    settle(1500);  // let the page paint
    const QPixmap picture = window->grab();
    ASSERT_TRUE(picture.save(QStringLiteral("/tmp/vantrel-main.png")));
    EXPECT_EQ(picture.size(), window->size() * picture.devicePixelRatio());
}

}  // namespace

namespace {

// A restore through the toolbar: the title, the count, the version file's address and the tree
// are the restored bank's, and its first chapter is open, with no restart.
TEST_F(MainWindowTest, TheWindowFollowsARestoredBank) {
    startAndWaitForNode2();
    WindowBank other;
    other.run(QStringLiteral("update kemu set ID='外科', mz='wk'; update geshu set kemugeshu='12';"
                             "update tree set nodename='新的章节' where id=%1;"
                             "update question set content='新题库的题目' where id=101;")
                  .arg(tree_rows::kA1));
    QTemporaryDir folder;
    const QString backup = folder.filePath(store::kBackupNameStem + QStringLiteral("2026-12-9"));
    store::backupBank(other.bankPath(), backup);

    ModalDriver driver;
    driver.then<services::TForm14>([&](services::TForm14& restore) {
        restore.Edit1->setText(backup);
        restore.Button2->click();
    });
    QString told;
    driver.then<QMessageBox>([&](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    QTest::mouseClick(window->controls().NewImage2, Qt::LeftButton, {},
                      window->controls().NewImage2->rect().center());
    EXPECT_FALSE(driver.timedOut());
    ASSERT_EQ(driver.stepsDone(), 2);
    EXPECT_EQ(told, QStringLiteral("成功恢复数据！"));
    EXPECT_EQ(window->controls().Label4->text(), QStringLiteral("Vantrel 中级职称  外科"));
    EXPECT_EQ(window->controls().StatusBar1->panelText(0), QStringLiteral("试题量：12"));
    EXPECT_EQ(core::programTexts().VersionFileUrl, services::updateBaseUrl() + "wk/Predate.ini");
    ASSERT_NE(window->controls().TreeView1->nodeAt(2), nullptr);
    EXPECT_EQ(window->controls().TreeView1->nodeAt(2)->text(0), QStringLiteral("新的章节"));
    EXPECT_TRUE(waitUntil([&] {
        return state().PageShown == 1 &&
               pageText(*window->controls().WebBrowser1).contains(QStringLiteral("新题库的题目"));
    }));
}

}  // namespace
