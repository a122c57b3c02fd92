// Loads, navigations and the waits in between: what happens when handlers run during a wait.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <memory>

#include "core/error.h"
#include "page_fixture.h"

namespace {

using PageNavigation = PageFixture;

// A program directory whose path holds Chinese text and blanks, with the built template.
struct ProgramDir {
    ProgramDir() {
        QDir(temp.path()).mkpath(QStringLiteral("医药 题库"));
        path = temp.path() + QStringLiteral("/医药 题库/");
        QFile::copy(PageFixture::templatePath(), path + QStringLiteral("ty.html"));
    }
    void write(const QString& name, const QByteArray& content) const {
        QFile file(path + name);
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    QTemporaryDir temp;
    QString path;
};

TEST_F(PageNavigation, OwnLoadsPassTheHookAsFileAddresses) {
    ASSERT_EQ(navigations_.size(), 1);
    EXPECT_TRUE(navigations_.first().startsWith(QStringLiteral("file:///")));
    EXPECT_TRUE(navigations_.first().contains(QStringLiteral("/ty.html")));
}

TEST_F(PageNavigation, EachLoadStartsFromTheEmptyTemplate) {
    view_->append(QStringLiteral("<span id='old'>x</span>"));
    view_->waitUntilReady();
    const ProgramDir dir;
    view_->load(dir.path + QStringLiteral("ty.html"));
    EXPECT_EQ(probe(QStringLiteral("document.body.children.length")).toInt(), 0);
    EXPECT_THROW(view_->value(QStringLiteral("old")), core::Error);
    view_->append(QStringLiteral("<input id='n' value='新'>"));
    EXPECT_EQ(view_->value(QStringLiteral("n")), QStringLiteral("新"));
}

TEST_F(PageNavigation, FailedLoadsAreErrorsAndLeaveThePage) {
    view_->append(QStringLiteral("<input id='keep' value='k'>"));
    EXPECT_THROW(view_->load(QStringLiteral("/no/such/dir/ty.html")), core::Error);
    EXPECT_EQ(view_->value(QStringLiteral("keep")), QStringLiteral("k"));

    view_->setNavigationHook([](const QString&, bool& cancel) { cancel = true; });
    EXPECT_THROW(view_->load(templatePath()), core::Error);
    EXPECT_EQ(view_->value(QStringLiteral("keep")), QStringLiteral("k"));
}

TEST_F(PageNavigation, NothingWorksBeforeAPageIsLoaded) {
    pageview::WebPageView fresh(&window_);
    fresh.show();
    EXPECT_THROW(fresh.append(QStringLiteral("<p>x</p>")), core::Error);
    EXPECT_THROW(fresh.value(QStringLiteral("x")), core::Error);
    EXPECT_THROW(fresh.waitUntilReady(), core::Error);
    EXPECT_THROW(fresh.execScript(QStringLiteral("1")), core::Error);
}

// The main window starts its page process on the template; the first chapter's load of that
// file takes the page over, unless the page was used meanwhile. Without a template the warm-up
// is an empty page that counts as no page.
TEST_F(PageNavigation, TheFirstLoadTakesOverAnUntouchedWarmUpOfItsFile) {
    const ProgramDir dir;
    const QString file = dir.path + QStringLiteral("ty.html");
    const auto freshView = [&](QStringList& asked) {
        auto view = std::make_unique<pageview::WebPageView>(&window_);
        view->setNavigationHook([&asked](const QString& url, bool&) { asked << url; });
        view->warmUp(file);
        view->show();
        return view;
    };

    QStringList asked;
    auto taken = freshView(asked);
    taken->load(file);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.first().endsWith(QStringLiteral("ty.html?v=1")))
        << asked.first().toStdString();
    taken->append(QStringLiteral("<input id='n' value='新'>"));
    EXPECT_EQ(taken->value(QStringLiteral("n")), QStringLiteral("新"));

    QStringList askedAgain;
    auto used = freshView(askedAgain);
    used->append(QStringLiteral("<input id='old' value='x'>"));
    EXPECT_EQ(used->value(QStringLiteral("old")), QStringLiteral("x"));
    used->load(file);
    ASSERT_EQ(askedAgain.size(), 1);
    EXPECT_TRUE(askedAgain.first().endsWith(QStringLiteral("ty.html?v=2")));
    EXPECT_THROW(used->value(QStringLiteral("old")), core::Error);

    pageview::WebPageView blank(&window_);
    blank.warmUp(dir.path + QStringLiteral("none.html"));
    blank.show();
    EXPECT_THROW(blank.append(QStringLiteral("<p>x</p>")), core::Error);
    blank.load(file);
    blank.append(QStringLiteral("<input id='n' value='1'>"));
    EXPECT_EQ(blank.value(QStringLiteral("n")), QStringLiteral("1"));
}

TEST_F(PageNavigation, ALoadOvertakenByAnotherLoadFailsAndTheOtherWins) {
    const ProgramDir dir;
    bool innerLoaded = false;
    QTimer::singleShot(0, view_, [&] {
        view_->load(dir.path + QStringLiteral("ty.html"));
        view_->append(QStringLiteral("<input id='inner' value='i'>"));
        innerLoaded = true;
    });
    EXPECT_THROW(view_->load(templatePath()), core::Error);
    ASSERT_TRUE(innerLoaded);
    EXPECT_EQ(view_->value(QStringLiteral("inner")), QStringLiteral("i"));
    EXPECT_TRUE(probe(QStringLiteral("decodeURIComponent(location.pathname)"))
                    .toString()
                    .contains(QStringLiteral("医药 题库")));
}

TEST_F(PageNavigation, AppendsToAPageWithoutBodyAreReportedByTheNextRead) {
    const ProgramDir dir;
    dir.write(QStringLiteral("picture.svg"),
              "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect id='r' "
              "width='10' height='10'/></svg>");
    view_->load(dir.path + QStringLiteral("picture.svg"));
    view_->append(QStringLiteral("<p>lost</p>"));
    EXPECT_THROW(view_->checked(QStringLiteral("r")), core::Error);
    EXPECT_FALSE(view_->checked(QStringLiteral("r")));  // reported once; the page still reads
}

TEST_F(PageNavigation, AReadWhosePageIsReplacedFailsInsteadOfHanging) {
    view_->append(QStringLiteral("<input id='x' value='1'>"));
    view_->waitUntilReady();
    QTimer::singleShot(0, view_, [&] { view_->load(templatePath()); });
    EXPECT_THROW(view_->value(QStringLiteral("x")), core::Error);
    view_->append(QStringLiteral("<input id='y' value='2'>"));
    EXPECT_EQ(view_->value(QStringLiteral("y")), QStringLiteral("2"));
}

TEST_F(PageNavigation, AWaitDuringWhichAnotherHandlerLoadsAPageFails) {
    view_->append(QStringLiteral("<span id='first'>1</span>"));
    bool handlerRan = false;
    QTimer::singleShot(0, view_, [&] {
        view_->load(templatePath());
        view_->append(QStringLiteral("<input id='second' value='2'>"));
        handlerRan = true;
    });
    // A page build waiting here would otherwise go on appending into the other handler's page.
    EXPECT_THROW(view_->waitUntilReady(), core::Error);
    EXPECT_TRUE(handlerRan);
    EXPECT_EQ(view_->value(QStringLiteral("second")), QStringLiteral("2"));
    EXPECT_THROW(view_->value(QStringLiteral("first")), core::Error);
    view_->waitUntilReady();  // nothing replaced the page during this one
}

TEST_F(PageNavigation, AppendsMadeDuringALoadGoToTheNewPage) {
    view_->append(QStringLiteral("<span id='before'>b</span>"));
    view_->waitUntilReady();
    QTimer::singleShot(0, view_,
                       [&] { view_->append(QStringLiteral("<input id='during' value='d'>")); });
    view_->load(templatePath());
    EXPECT_EQ(view_->value(QStringLiteral("during")), QStringLiteral("d"));
    EXPECT_THROW(view_->value(QStringLiteral("before")), core::Error);
}

TEST_F(PageNavigation, AViewClosedDuringAReadEndsTheReadWithAnError) {
    auto* doomed = new pageview::WebPageView(&window_);
    doomed->show();
    doomed->load(templatePath());
    doomed->append(QStringLiteral("<input id='x' value='1'>"));
    QTimer::singleShot(0, &window_, [doomed] { delete doomed; });
    EXPECT_THROW(doomed->value(QStringLiteral("x")), core::Error);
}

TEST_F(PageNavigation, ALinkTheHookLetsPassOpensItsPageAndReadsFollowIt) {
    const ProgramDir dir;
    dir.write(QStringLiteral("other.html"),
              "<html><body><input id='there' value='t'></body></html>");
    const QString target = QUrl::fromLocalFile(dir.path + QStringLiteral("other.html")).toString();
    view_->append(QStringLiteral("<a id='lnk' href='") + target + QStringLiteral("'>链接</a>"));
    view_->waitUntilReady();
    navigations_.clear();

    // On a loaded machine the renderer may not take input yet when the first click comes. A
    // click that did get through may take seconds to arrive: clicking again too soon would
    // start a second navigation that cancels the first.
    for (int attempt = 0; attempt < 3 && navigations_.isEmpty(); ++attempt) {
        clickElement(QStringLiteral("document.getElementById('lnk')"));
        waitUntil([&] { return !navigations_.isEmpty(); }, 10000);
    }
    ASSERT_FALSE(navigations_.isEmpty());
    EXPECT_EQ(navigations_.first(), target);
    EXPECT_TRUE(waitUntil([&] {
        try {
            return view_->value(QStringLiteral("there")) == QStringLiteral("t");
        } catch (const core::Error&) {
            return false;  // still the old page, or between the two
        }
    }));
}

TEST_F(PageNavigation, TheHookMayShowAMessageAndRebuildThePage) {
    view_->append(answerBlock(57, QStringLiteral("A"), QStringLiteral("解析")));
    view_->waitUntilReady();
    bool rebuilt = false;
    view_->setNavigationHook([&](const QString& url, bool& cancel) {
        cancel = !url.startsWith(QStringLiteral("file:"));
        if (!url.contains(QStringLiteral("scbt"))) return;
        QEventLoop message;  // stands for the information message the favourite command shows
        QTimer::singleShot(100, &message, &QEventLoop::quit);
        message.exec();
        view_->load(templatePath());  // the favourites view rebuilds its page
        view_->append(QStringLiteral("<input id='rebuilt' value='r'>"));
        EXPECT_EQ(view_->value(QStringLiteral("rebuilt")), QStringLiteral("r"));
        rebuilt = true;
    });
    clickElement(QStringLiteral("document.getElementById('sc')"));
    ASSERT_TRUE(waitUntil([&] { return rebuilt; }));
    EXPECT_EQ(view_->value(QStringLiteral("rebuilt")), QStringLiteral("r"));
    EXPECT_THROW(view_->value(QStringLiteral("xs57")), core::Error);
}

TEST_F(PageNavigation, AppendTimingIsPrinted) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10000; ++i)
        view_->append(QStringLiteral("&nbsp <span  id ='fan%1'>%1. 题干文字</span><br>").arg(i));
    EXPECT_EQ(view_->value(QStringLiteral("fan9999")), QString());
    const qint64 batched = clock.restart();

    view_->load(templatePath());
    clock.restart();
    for (int i = 0; i < 10000; ++i) {
        if (i % 10 == 0) view_->waitUntilReady();  // as a page build does before every question
        view_->append(QStringLiteral("&nbsp <span  id ='fan%1'>%1. 题干文字</span><br>").arg(i));
    }
    EXPECT_EQ(view_->value(QStringLiteral("fan9999")), QString());
    const qint64 withWaits = clock.elapsed();
    std::cout << "[ timing ] 10000 appends then one read: " << batched << " ms; with a ready wait "
              << "every 10 appends: " << withWaits << " ms" << std::endl;
    EXPECT_EQ(probe(QStringLiteral("document.querySelectorAll('span').length")).toInt(), 10000);

    clock.restart();
    for (int i = 0; i < 200; ++i) view_->value(QStringLiteral("fan1"));
    std::cout << "[ timing ] one read: " << clock.elapsed() / 200.0 << " ms" << std::endl;
    view_->load(templatePath());
    view_->append(QStringLiteral("<input id='x'>"));
    clock.restart();
    for (int i = 0; i < 200; ++i) view_->value(QStringLiteral("x"));
    std::cout << "[ timing ] one read, small page: " << clock.elapsed() / 200.0 << " ms"
              << std::endl;
}

TEST_F(PageNavigation, ARightClickOpensNoMenuWhoseReloadCouldEmptyThePage) {
    view_->append(QStringLiteral("<p id='text' style='height:200px'>题干</p>"));
    view_->waitUntilReady();
    QWidget* renderWidget = view_->focusProxy();
    ASSERT_NE(renderWidget, nullptr);
    const QPoint at(50, 50);
    QTest::mouseMove(renderWidget, at);
    QTest::mouseClick(renderWidget, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_FALSE(waitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    EXPECT_EQ(view_->value(QStringLiteral("text")), QString());  // the page is still there
}

}  // namespace
