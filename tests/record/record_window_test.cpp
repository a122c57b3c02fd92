#include "record/record_window.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "record/learning_record.h"
#include "store/connection.h"
#include "temp_bank.h"

namespace {

using record::HandInRecord;
using record::RecordWindow;

// The chapters of the bank with the title of each question type they hold and its questions.
struct ChapterGroups {
    qint64 id = 0;
    QList<std::pair<QString, qint64>> types;
};

QList<ChapterGroups> chaptersOf(store::Connection& bank) {
    QList<ChapterGroups> chapters;
    store::Recordset rows = bank.query(QStringLiteral(
        "select readtext.treeid as chapter, qtype.title as title, count(*) as questions "
        "from question join readtext on readtext.id = question.readtextid "
        "join qtype on qtype.id = readtext.qtypeid "
        "group by readtext.treeid, readtext.qtypeid order by readtext.treeid, readtext.qtypeid"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 chapter = rows.integer(QStringLiteral("chapter"));
        if (chapters.isEmpty() || chapters.last().id != chapter)
            chapters.append(ChapterGroups{chapter, {}});
        chapters.last().types.append(
            {rows.text(QStringLiteral("title")), rows.integer(QStringLiteral("questions"))});
    }
    return chapters;
}

// A candidate's few weeks up to `lastDay`, written through the record itself: two or three
// exercise pages a day on the bank's chapters and a mock exam each weekend, the rates rising
// with the weeks, some chapters lagging; the questions answered wrongly on each chapter's last
// page stay in the wrong-question bank.
void writeWeeksOfRecords(const TempBank& bank, int weeks, const QDate& lastDay) {
    store::Connection connection = bank.connect();
    record::LearningRecord record(connection);
    const QList<ChapterGroups> chapters = chaptersOf(connection);
    QRandomGenerator random(2026);
    const int days = weeks * 7;
    QHash<qint64, int> lastWrong;
    for (int day = 0; day < days; ++day) {
        const QDate date = lastDay.addDays(day - days + 1);
        const double progress = double(day) / days;  // 0 … 1 over the weeks
        const int pages = 2 + int(random.bounded(2));
        for (int page = 0; page < pages; ++page) {
            const ChapterGroups& chapter =
                chapters[int(random.bounded(qsizetype(chapters.size())))];
            // Every third chapter stays hard.
            const double skill = (chapter.id % 3 == 0 ? 0.35 : 0.55) + 0.35 * progress;
            HandInRecord handIn;
            handIn.handedIn = QDateTime(date, QTime(19 + page, int(random.bounded(60))));
            handIn.chapterId = chapter.id;
            int wrong = 0;
            for (const auto& [title, questions] : chapter.types) {
                qint64 right = 0;
                for (qint64 q = 0; q < questions; ++q)
                    right += random.generateDouble() < skill ? 1 : 0;
                handIn.add(title, questions, right);
                wrong += int(questions - right);
            }
            lastWrong[chapter.id] = wrong;
            record.add(handIn);
        }
        if (date.dayOfWeek() == Qt::Sunday) {
            HandInRecord sitting;
            sitting.kind = HandInRecord::Kind::Exam;
            sitting.handedIn = QDateTime(date, QTime(15, 0));
            sitting.secondsUsed = 60 * (88 - int(20 * progress) - int(random.bounded(6)));
            const double skill = 0.5 + 0.3 * progress;
            for (const auto& [type, items] :
                 QList<std::pair<QString, qint64>>{{QStringLiteral("单项选择题"), 40},
                                                   {QStringLiteral("多项选择题"), 20},
                                                   {QStringLiteral("案例分析题"), 15},
                                                   {QStringLiteral("配伍选择题"), 25}}) {
                const double typeSkill =
                    type == QStringLiteral("多项选择题") ? skill - 0.15 : skill;
                qint64 right = 0;
                for (qint64 q = 0; q < items; ++q)
                    right += random.generateDouble() < typeSkill ? 1 : 0;
                sitting.add(type, items, right);
            }
            record.add(sitting);
        }
    }
    for (auto it = lastWrong.begin(); it != lastWrong.end(); ++it)
        connection.exec(QStringLiteral("update question set ct='1' where id in (select "
                                       "question.id from question join readtext on readtext.id = "
                                       "question.readtextid where readtext.treeid=%1 limit %2)")
                            .arg(it.key())
                            .arg(it.value()));
}

bool waitUntilShown(RecordWindow& window) {
    return QTest::qWaitFor([&] { return !window.reading(); }, 30000);
}

QList<int> pointsPerSeries(QChartView& view) {
    QList<int> points;
    for (QAbstractSeries* series : view.chart()->series())
        points << static_cast<QLineSeries*>(series)->count();
    return points;
}

// The window reads on a thread of its own: while another connection holds the bank it keeps
// answering, and shows the record once the bank is free. A bank it cannot read is said in the
// window, and "重新读取" reads again.
TEST(RecordWindow, ABankHeldByAWriterLeavesTheWindowAnsweringAndAFailureIsSaidInIt) {
    TempBank bank;
    store::Connection writer = bank.connect();
    writer.exec(QStringLiteral("begin exclusive"));
    RecordWindow window(bank.programDir(), RecordWindow::Chapters::ListedOnly, nullptr);
    window.show();
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    QTest::qWait(300);
    EXPECT_TRUE(window.reading());
    EXPECT_GT(ticks, 5) << "the window's thread was held up";
    EXPECT_EQ(window.controls().Status->text(), QStringLiteral("正在读取学习记录……"));
    EXPECT_FALSE(window.controls().Record->isVisible());
    writer.exec(QStringLiteral("rollback"));
    ASSERT_TRUE(waitUntilShown(window));
    EXPECT_TRUE(window.controls().Record->isVisible());
    EXPECT_FALSE(window.controls().Status->isVisible());
    EXPECT_TRUE(window.controls().Totals->text().startsWith(QStringLiteral("还没有学习记录")));
    EXPECT_TRUE(
        window.controls().PracticeChart->chart()->title().endsWith(QStringLiteral("：暂无记录")));
    // Over the result or exam window the chapters are listed only.
    EXPECT_FALSE(window.controls().OpenChapter->isVisible());

    QTemporaryDir empty;
    RecordWindow failing(empty.path() + QStringLiteral("/"), RecordWindow::Chapters::Openable,
                         nullptr);
    failing.show();
    ASSERT_TRUE(waitUntilShown(failing));
    const QString said = failing.controls().Status->text();
    EXPECT_TRUE(said.startsWith(QStringLiteral("学习记录读取失败：找不到题库文件")))
        << said.toStdString();
    EXPECT_TRUE(failing.controls().Status->isVisible());
    EXPECT_TRUE(failing.controls().Retry->isVisible());
    EXPECT_FALSE(failing.controls().Record->isVisible());

    ASSERT_TRUE(QDir(empty.path()).mkpath(QStringLiteral("Data")));
    ASSERT_TRUE(QFile::copy(bank.bankPath(), empty.filePath(QStringLiteral("Data/med.mdb"))));
    failing.controls().Retry->click();
    ASSERT_TRUE(waitUntilShown(failing));
    EXPECT_TRUE(failing.controls().Record->isVisible());
    EXPECT_FALSE(failing.controls().Retry->isVisible());
}

// A few weeks of records on the demo bank, for a person to look at: record-window.png in the
// folder VANTREL_SCREENSHOTS names, else /tmp/vantrel-record.png.
TEST(RecordWindow, ScreenshotOfAFewWeeksOnTheDemoBank) {
    TempBank bank;
    bank.useDemoBank();
    writeWeeksOfRecords(bank, 5, QDate(2026, 5, 31));
    RecordWindow window(bank.programDir(), RecordWindow::Chapters::Openable, nullptr);
    window.show();
    ASSERT_TRUE(waitUntilShown(window));
    const QList<int> exams = pointsPerSeries(*window.controls().ExamChart);
    EXPECT_EQ(exams, QList<int>({5, 5, 5, 5, 5})) << "five Sundays, four types and the total";
    EXPECT_GT(pointsPerSeries(*window.controls().PracticeChart).value(0), 5);
    EXPECT_EQ(window.controls().WeakChapters->rowCount(), record::kWeakChapterLimit);
    QTest::qWait(500);  // let the charts lay out

    const QString folder = qEnvironmentVariable("VANTREL_SCREENSHOTS");
    const QString file = folder.isEmpty()
                             ? QStringLiteral("/tmp/vantrel-record.png")
                             : QDir(folder).filePath(QStringLiteral("record-window.png"));
    const QPixmap picture = window.grab();
    ASSERT_TRUE(picture.save(file)) << file.toStdString();
    EXPECT_EQ(picture.size(), window.size() * picture.devicePixelRatio());
}

}  // namespace
