#include "services/feedback_window.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "core/program_texts.h"
#include "feedback_table.h"
#include "loopback_endpoints.h"
#include "pageview/web_page_view.h"
#include "scripted_messages.h"
#include "services/feedback_background.h"
#include "services/feedback_layout.h"

using services::FeedbackSender;
using services::TForm9;

namespace {

const QString kSent = QStringLiteral("您的问题已经反馈成功，谢谢您的反馈！");
const QString kFailed = QStringLiteral("反馈失败！");

class FeedbackWindowTest : public testing::Test {
  protected:
    // A shown window whose sender writes to `connectionString`.
    std::unique_ptr<TForm9> openWindow(const QString& connectionString) {
        auto form = std::make_unique<TForm9>(
            messages, [] { return QStringLiteral("测试科目"); }, nullptr,
            FeedbackSender(connectionString));
        form->resetForReport();
        form->setReportedQuestion(QStringLiteral("57"), QStringLiteral("下列哪项'不是'职业病？"));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }

    static void tick(TForm9& form, std::initializer_list<int> boxes) {
        for (const int box : boxes) form.CheckBoxes.at(box - 1)->setChecked(true);
    }

    static QList<bool> ticks(const TForm9& form) {
        QList<bool> states;
        for (const QCheckBox* box : form.CheckBoxes) states << box->isChecked();
        return states;
    }

    static void send(TForm9& form) { QTest::mouseClick(form.Button1, Qt::LeftButton); }

    ScriptedMessages messages;
};

// --- the window and its background picture ---------------------------------------------------

TEST_F(FeedbackWindowTest, LabelsAreReadableBesideTheirBoxesAndOverlapNothing) {
    ASSERT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        << "no CJK font installed";
    const auto form = openWindow(QString());
    const QList<services::FeedbackBackground::TextItem> items = form->Image1->textItems();
    ASSERT_EQ(items.size(), 13);  // two frame titles, ten labels, the thanks line

    QList<QWidget*> controls{form->Panel1, form->Memo1, form->Button1, form->Button2};
    for (QCheckBox* box : form->CheckBoxes) controls << box;
    const QImage picture = form->Image1->grab().toImage();

    for (int i = 0; i < items.size(); ++i) {
        const QRect rect = items.at(i).rect;
        const std::string text = items.at(i).text.toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), form->size()).contains(rect)) << text;
        for (int j = i + 1; j < items.size(); ++j)
            EXPECT_FALSE(rect.intersects(items.at(j).rect))
                << text << " / " << items.at(j).text.toStdString();
        for (const QWidget* control : controls)
            EXPECT_FALSE(rect.intersects(control->geometry()))
                << text << " under " << control->objectName().toStdString();

        int inked = 0;  // the text really is painted
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (qGray(picture.pixel(x, y)) < 160) ++inked;
        EXPECT_GT(inked, rect.width()) << text;
    }

    const QStringList labels = services::feedback_layout::problemLabels();
    for (int i = 0; i < 10; ++i) {
        const QRect label = form->Image1->labelRect(i);
        const QRect box = form->CheckBoxes.at(i)->geometry();
        EXPECT_EQ(items.at(2 + i).text, labels.at(i));
        EXPECT_GT(label.left(), box.right());
        EXPECT_LT(label.left() - box.right(), 12) << "label " << i + 1 << " far from its box";
        EXPECT_LE(std::abs(label.center().y() - box.center().y()), 2);
        EXPECT_TRUE(form->CheckBoxes.at(i)->text().isEmpty());
    }
}

TEST_F(FeedbackWindowTest, ShowsBesideTheMainWindowCentredOnA1024By768Area) {
    const auto form = openWindow(QString());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("错题反馈"));
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->frameGeometry().size(), services::feedback_layout::kOuterSize);
    const QPoint place = TForm9::placeFor(form->screen()->geometry());
    EXPECT_EQ(form->frameGeometry().y(), place.y());
    if (place.x() >= 0) {  // the offscreen platform pushes a window left of the screen back in
        EXPECT_EQ(form->frameGeometry().x(), place.x());
    }
    EXPECT_EQ(TForm9::placeFor(QRect(0, 0, 1024, 768)), QPoint(0, 0));
    EXPECT_EQ(TForm9::placeFor(QRect(0, 0, 1920, 1080)), QPoint(448, 156));
    EXPECT_EQ(TForm9::placeFor(QRect(0, 0, 1366, 769)), QPoint(171, 0));
    EXPECT_EQ(&form->previewView(), form->WebBrowser1);
    EXPECT_EQ(QRect(form->WebBrowser1->mapTo(form.get(), QPoint(0, 0)), form->WebBrowser1->size()),
              services::feedback_layout::kPanel1);
}

TEST_F(FeedbackWindowTest, ClickingALabelTicksItsBoxAndResetClearsEverything) {
    const auto form = openWindow(QString());
    QTest::mouseClick(form->Image1, Qt::LeftButton, {}, form->Image1->labelRect(2).center());
    EXPECT_TRUE(form->CheckBoxes.at(2)->isChecked());
    QTest::mouseClick(form->Image1, Qt::LeftButton, {}, form->Image1->labelRect(2).center());
    EXPECT_FALSE(form->CheckBoxes.at(2)->isChecked());

    tick(*form, {1, 5, 10});
    form->Memo1->setPlainText(QStringLiteral("备注"));
    form->resetForReport();
    EXPECT_EQ(ticks(*form), QList<bool>(10, false));
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
}

TEST_F(FeedbackWindowTest, CancelClosesWithoutSending) {
    FeedbackTable table;
    const auto form = openWindow(table.connectionString());
    tick(*form, {2});
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(table.rows().isEmpty());
    EXPECT_TRUE(messages.infos.isEmpty());
}

// --- sending to a real database through ODBC ---------------------------------------------------

TEST_F(FeedbackWindowTest, SuccessThanksTheUserAndClosesWithEveryValueInItsColumn) {
    FeedbackTable table;
    const auto form = openWindow(table.connectionString());
    tick(*form, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    form->Memo1->setPlainText(QStringLiteral("答案 'C' 有误\n见 D:\\书\\第3章"));
    send(*form);

    EXPECT_EQ(messages.infos, QStringList{kSent});
    EXPECT_FALSE(form->isVisible());
    const QList<QStringList> rows = table.rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front().at(0), QStringLiteral("测试科目"));  // as the main window shows it
    EXPECT_EQ(rows.front().at(1), QStringLiteral("57"));
    EXPECT_EQ(rows.front().at(2), QStringLiteral("下列哪项'不是'职业病？"));
    EXPECT_EQ(table.flagColumnsSetToOne(), FeedbackTable::flagColumns());
    EXPECT_EQ(rows.front().at(13), QStringLiteral("答案 'C' 有误\n见 D:\\书\\第3章"));
}

TEST_F(FeedbackWindowTest, NothingTickedAndNoRemarkSendsTenZerosAndAnEmptyRemark) {
    FeedbackTable table;
    const auto form = openWindow(table.connectionString());
    send(*form);
    ASSERT_EQ(table.rows().size(), 1);
    EXPECT_TRUE(table.flagColumnsSetToOne().isEmpty());
    EXPECT_EQ(table.rows().front().at(13), QString(""));
}

TEST_F(FeedbackWindowTest, EachBoxReachesOnlyItsOwnColumn) {
    const QStringList columns = FeedbackTable::flagColumns();
    for (int box = 1; box <= 10; ++box) {
        FeedbackTable table;
        const auto form = openWindow(table.connectionString());
        tick(*form, {box});
        send(*form);
        EXPECT_EQ(table.flagColumnsSetToOne(), QStringList{columns.at(box - 1)}) << "box " << box;
    }
    // "试题不属于本学科" is the third box and the xueke column.
    EXPECT_EQ(columns.at(2), QStringLiteral("xueke"));
}

TEST_F(FeedbackWindowTest, FailedSendKeepsTheReportAndALaterSendSucceeds) {
    // The server's table is missing at first, then comes back.
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("server.db"));
    const QString connection =
        QStringLiteral("DRIVER=%1;Database=%2").arg(sqliteOdbcDriverPath(), file);
    const auto form = openWindow(connection);
    tick(*form, {3, 8});
    form->Memo1->setPlainText(QStringLiteral("再试一次"));
    send(*form);
    EXPECT_EQ(messages.infos, QStringList{kFailed});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form),
              (QList<bool>{false, false, true, false, false, false, false, true, false, false}));
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("再试一次"));

    FeedbackTable::createIn(file);
    send(*form);
    EXPECT_EQ(messages.infos, (QStringList{kFailed, kSent}));
    EXPECT_FALSE(form->isVisible());
}

// --- failures of the real SQL Server client ----------------------------------------------------

TEST_F(FeedbackWindowTest, RefusedConnectionFailsAndKeepsTheReport) {
    const auto form = openWindow(FeedbackSender::sqlServerConnectionString(
        QStringLiteral("127.0.0.1"), closedLoopbackPort()));
    tick(*form, {1, 10});
    form->Memo1->setPlainText(QStringLiteral("图片缺失"));
    send(*form);
    EXPECT_EQ(messages.infos, QStringList{kFailed});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ticks(*form),
              (QList<bool>{true, false, false, false, false, false, false, false, false, true}));
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("图片缺失"));
}

TEST_F(FeedbackWindowTest, SilentServerTimesOutWhileTheWindowStaysResponsive) {
    SilentListener listener;
    const auto form = openWindow(
        FeedbackSender::sqlServerConnectionString(QStringLiteral("127.0.0.1"), listener.port()));
    tick(*form, {4});
    form->Memo1->setPlainText(QStringLiteral("陈旧"));

    // Runs on the event loop while the send waits for the server.
    int ticksDuringSend = 0;
    bool buttonsDisabled = true;
    bool busyCursor = true;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ++ticksDuringSend;
        buttonsDisabled =
            buttonsDisabled && !form->Button1->isEnabled() && !form->Button2->isEnabled();
        busyCursor = busyCursor && form->cursor().shape() == Qt::BusyCursor;
        form->close();  // the user tries to close the window meanwhile
    });
    probe.start(100);
    QElapsedTimer clock;
    clock.start();
    send(*form);
    const qint64 elapsedMs = clock.elapsed();
    probe.stop();
    std::cout << "[ measured ] silent server: 反馈失败 after " << elapsedMs << " ms, "
              << ticksDuringSend << " event-loop ticks meanwhile\n";

    EXPECT_GT(ticksDuringSend, 5);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_TRUE(busyCursor);
    EXPECT_LT(elapsedMs, 3 * FeedbackSender::kTimeoutSeconds * 1000);
    EXPECT_EQ(messages.infos, QStringList{kFailed});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_TRUE(form->Button2->isEnabled());
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ticks(*form),
              (QList<bool>{false, false, false, true, false, false, false, false, false, false}));
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("陈旧"));
}

}  // namespace
