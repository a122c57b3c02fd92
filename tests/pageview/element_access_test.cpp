// Appends, reads and writes by id on the real template.

#include "core/error.h"
#include "page_fixture.h"

namespace {

using ElementAccess = PageFixture;

const QString kRadioB =
    QStringLiteral(R"( <input type="radio" id="702"  name="57" value="B">B:第二项<br>)");
const QString kCheckboxC =
    QStringLiteral(R"( <input type="checkbox" id="703" name="58" value="C">C:第三项<br>)");
const QString kMatchingSelect = QStringLiteral(
    R"( <select name="cars" id="a59"> <option value="daan" selected>答案 <option value="A">A <option value="B">B <option value="C">C </select>)");

TEST_F(ElementAccess, ReadsAndWritesFormControlsById) {
    view_->append(QStringLiteral("&nbsp <span  id ='fan57'>1. 题干</span>"));
    view_->append(kRadioB);
    view_->append(kCheckboxC);
    view_->append(kMatchingSelect);

    EXPECT_FALSE(view_->checked(QStringLiteral("702")));
    EXPECT_EQ(view_->value(QStringLiteral("702")), QStringLiteral("B"));
    EXPECT_EQ(view_->value(QStringLiteral("a59")), QStringLiteral("daan"));

    view_->setChecked(QStringLiteral("702"), true);
    view_->setChecked(QStringLiteral("703"), true);
    view_->setValue(QStringLiteral("a59"), QStringLiteral("C"));
    EXPECT_TRUE(view_->checked(QStringLiteral("702")));
    EXPECT_TRUE(view_->checked(QStringLiteral("703")));
    EXPECT_EQ(view_->value(QStringLiteral("a59")), QStringLiteral("C"));
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('a59').selectedIndex")).toInt(), 3);

    view_->setChecked(QStringLiteral("703"), false);
    EXPECT_FALSE(view_->checked(QStringLiteral("703")));

    view_->setColor(QStringLiteral("fan57"), QStringLiteral("red"));
    EXPECT_EQ(probe(QStringLiteral("getComputedStyle(document.getElementById('fan57')).color")),
              QStringLiteral("rgb(255, 0, 0)"));
}

TEST_F(ElementAccess, SnapshotHoldsEveryElementWithAnIdInOnePass) {
    view_->append(kRadioB);
    view_->append(kCheckboxC);
    view_->append(kMatchingSelect);
    view_->append(answerBlock(57, QStringLiteral("B"), QStringLiteral("解析")));
    view_->append(answerBlock(58, QStringLiteral("CE"), QStringLiteral("解析")));
    view_->setChecked(QStringLiteral("703"), true);
    view_->setValue(QStringLiteral("a59"), QStringLiteral("B"));

    const QHash<QString, pageview::ElementState> snapshot = view_->formSnapshot();
    EXPECT_FALSE(snapshot.value(QStringLiteral("702")).checked);
    EXPECT_EQ(snapshot.value(QStringLiteral("702")).value, QStringLiteral("B"));
    EXPECT_TRUE(snapshot.value(QStringLiteral("703")).checked);
    EXPECT_EQ(snapshot.value(QStringLiteral("703")).value, QStringLiteral("C"));
    EXPECT_EQ(snapshot.value(QStringLiteral("a59")).value, QStringLiteral("B"));
    EXPECT_EQ(snapshot.value(QStringLiteral("xs58")).value, QStringLiteral("显示答案"));
    // The answer division carries the answer as an attribute, and a repeated id ("sc" on
    // every question) is the first one, as getElementById finds it.
    EXPECT_EQ(snapshot.value(QStringLiteral("ansnote58")).value, QStringLiteral("CE"));
    EXPECT_EQ(view_->value(QStringLiteral("ansnote58")), QStringLiteral("CE"));
    EXPECT_EQ(snapshot.value(QStringLiteral("sc")).value, QStringLiteral("收藏本题"));
    EXPECT_EQ(view_->value(QStringLiteral("sc")), QStringLiteral("收藏本题"));
}

TEST_F(ElementAccess, MissingIdIsAnErrorNamingTheId) {
    view_->append(kRadioB);
    const auto expectNamed = [](const std::function<void()>& call, const char* id) {
        try {
            call();
            ADD_FAILURE() << "no error for " << id;
        } catch (const core::Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(id))) << e.what();
        }
    };
    expectNamed([&] { view_->value(QStringLiteral("a404")); }, "a404");
    expectNamed([&] { view_->checked(QStringLiteral("404")); }, "404");
    expectNamed([&] { view_->setChecked(QStringLiteral("405"), true); }, "405");
    expectNamed([&] { view_->setValue(QStringLiteral("a406"), QStringLiteral("A")); }, "a406");
    expectNamed([&] { view_->setColor(QStringLiteral("fan407"), QStringLiteral("red")); },
                "fan407");
    // The page is still usable afterwards.
    EXPECT_EQ(view_->value(QStringLiteral("702")), QStringLiteral("B"));
}

TEST_F(ElementAccess, UnbalancedMarkupDoesNotSwallowTheNextFragment) {
    view_->append(QStringLiteral("&nbsp <span  id ='fan1'>1. <b><table><tr><td>未闭合的题干"));
    view_->append(QStringLiteral("<div id='next'>下一段</div>"));
    view_->append(kRadioB);
    view_->waitUntilReady();
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('next').parentNode===document.body")),
              QVariant(true));
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('702').parentNode===document.body")),
              QVariant(true));
}

TEST_F(ElementAccess, FragmentsArriveVerbatimWhateverTheyHold) {
    const QString tricky = QStringLiteral("it's \"q\" \\ </script> ${x} `t` \u2028 %1 %% 中文");
    view_->append(QStringLiteral("<span id='t'></span>"));
    view_->append(QStringLiteral("<p id='raw'>") + tricky.toHtmlEscaped() + QStringLiteral("</p>"));
    view_->setValue(QStringLiteral("t"), tricky);
    EXPECT_EQ(probe(QStringLiteral("document.getElementById('raw').textContent")).toString(),
              tricky);
    EXPECT_EQ(view_->value(QStringLiteral("t")), tricky);
}

TEST_F(ElementAccess, ManyAppendsArriveInOrder) {
    QString expected;
    for (int i = 0; i < 3000; ++i) {
        view_->append(QStringLiteral("<p class='seq'>%1</p>").arg(i));
        expected += QString::number(i) + QLatin1Char(',');
    }
    view_->waitUntilReady();  // sends the queue; the probe below runs after it
    EXPECT_EQ(probe(QStringLiteral("Array.from(document.querySelectorAll('p.seq'))"
                                   ".map(function(p){return p.textContent+','}).join('')"))
                  .toString(),
              expected);
}

TEST_F(ElementAccess, BatchesTooLargeForOneScriptKeepTheirOrder) {
    const QString filler(20000, QLatin1Char('x'));
    for (int i = 0; i < 200; ++i)
        view_->append(QStringLiteral("<p class='big' data-n='%1'>").arg(i) + filler +
                      QStringLiteral("</p>"));
    view_->append(QStringLiteral("<span id='last'>end</span>"));
    EXPECT_EQ(view_->value(QStringLiteral("last")), QString());  // a read sends what is queued
    EXPECT_EQ(probe(QStringLiteral("(function(){var p=document.querySelectorAll('p.big');"
                                   "for(var i=0;i<p.length;i++)if(p[i].dataset.n!=i)return -1;"
                                   "return p.length;})()"))
                  .toInt(),
              200);
    EXPECT_EQ(probe(QStringLiteral("document.body.lastElementChild.id")).toString(),
              QStringLiteral("last"));
}

}  // namespace
