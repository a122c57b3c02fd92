#include "record/record_window.h"

#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "core/error.h"
#include "record/rate_chart.h"
#include "store/connection_string.h"

namespace record {

namespace {

const QString kNoRecordYet = QStringLiteral(
    "还没有学习记录：在章节页面答题后点击“提交试卷”，或参加一次模拟考试，成绩就会记在这里。");

QString totalsText(const RecordTotals& totals) {
    if (totals.practiceHandIns + totals.examsSat == 0) return kNoRecordYet;
    QString text = QStringLiteral("累计做题 %1 道　　练习交卷 %2 次　　模拟考试 %3 次")
                       .arg(totals.questionsMarked)
                       .arg(totals.practiceHandIns)
                       .arg(totals.examsSat);
    if (totals.examsSat > 0) {
        const qint64 minutes = (totals.lastExamSeconds + 59) / 60;  // a minute begun counts
        text += QStringLiteral("\n模拟考试最好成绩 %1%　　最近一次 %2%，用时 %3 分钟（共 90 分钟）")
                    .arg(totals.bestExamPercent)
                    .arg(totals.lastExamPercent)
                    .arg(minutes);
    }
    return text;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

RecordWindow::RecordWindow(const QString& dataDir, Chapters chapters, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      connectionString_(store::ConnectionString::forDataDirectory(dataDir)),
      chapters_(chapters) {
    ui_.setupUi(this);
    ui_.OpenChapter->setVisible(chapters_ == Chapters::Openable);
    connect(ui_.CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_.Retry, &QPushButton::clicked, this, &RecordWindow::read);
    connect(ui_.OpenChapter, &QPushButton::clicked, this,
            [this] { chooseChapter(ui_.WeakChapters->currentRow()); });
    connect(ui_.WeakChapters, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { chooseChapter(row); });
    connect(&watcher_, &QFutureWatcher<Reading>::finished, this, [this] {
        const Reading reading = watcher_.result();
        reading_ = false;
        if (reading.failure.isEmpty())
            showOverview(reading.overview);
        else
            showFailure(reading.failure);
        emit shown();
    });
    read();
}

// A reading still running goes on on its thread and is dropped when it ends.
RecordWindow::~RecordWindow() = default;

void RecordWindow::read() {
    showReading();
    reading_ = true;
    const QString connectionString = connectionString_;
    watcher_.setFuture(QtConcurrent::run([connectionString] {
        Reading reading;
        try {
            store::Connection bank(connectionString);
            reading.overview = readOverview(bank);
        } catch (const core::Error& error) {
            reading.failure = error.message();
        }
        return reading;
    }));
}

void RecordWindow::showReading() {
    ui_.Totals->clear();
    ui_.Status->setStyleSheet({});
    ui_.Status->setText(QStringLiteral("正在读取学习记录……"));
    ui_.Status->show();
    ui_.Retry->hide();
    ui_.Record->hide();
}

void RecordWindow::showFailure(const QString& failure) {
    ui_.Status->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    ui_.Status->setText(QStringLiteral("学习记录读取失败：") + failure);
    ui_.Retry->show();
}

void RecordWindow::showOverview(const RecordOverview& overview) {
    ui_.Status->hide();
    ui_.Totals->setText(totalsText(overview.totals));
    showRates(*ui_.PracticeChart->chart(), QStringLiteral("练习正确率（按题型）"),
              overview.practice);
    showRates(*ui_.ExamChart->chart(), QStringLiteral("模拟考试正确率（按题型）"), overview.exams);
    showChapters(overview.weakChapters);
    ui_.Record->show();
}

void RecordWindow::showChapters(const QList<WeakChapter>& chapters) {
    QTableWidget& table = *ui_.WeakChapters;
    table.setRowCount(0);
    for (const WeakChapter& chapter : chapters) {
        const int row = table.rowCount();
        table.insertRow(row);
        QTableWidgetItem* name = cell(chapter.name, Qt::AlignLeft);
        name->setData(Qt::UserRole, chapter.id);
        name->setToolTip(chapter.name);
        table.setItem(row, RecordWindowControls::NameColumn, name);
        table.setItem(row, RecordWindowControls::WrongColumn,
                      cell(QString::number(chapter.wrongQuestions)));
        const std::optional<int> percent = chapter.percent();
        table.setItem(row, RecordWindowControls::RateColumn,
                      cell(percent ? QString::number(*percent) + QLatin1Char('%')
                                   : QStringLiteral("未记录")));
        table.setItem(row, RecordWindowControls::HandInsColumn,
                      cell(QString::number(chapter.handIns)));
    }
    if (!chapters.isEmpty()) table.selectRow(0);
    ui_.OpenChapter->setEnabled(!chapters.isEmpty());
    if (chapters.isEmpty())
        ui_.ChapterHint->setText(
            QStringLiteral("暂无薄弱章节：错题题库是空的，交过卷的章节都全部答对了。"));
    else if (chapters_ == Chapters::Openable)
        ui_.ChapterHint->setText(QStringLiteral(
            "双击一个章节，或选中后点“打开章节”，在主窗口中练习它（按主窗口当前的视图）。"));
    else
        ui_.ChapterHint->setText(
            QStringLiteral("回到主窗口后按 Ctrl+L 打开学习记录，就可以从这里直接打开章节练习。"));
}

void RecordWindow::chooseChapter(int row) {
    if (chapters_ != Chapters::Openable || row < 0 || row >= ui_.WeakChapters->rowCount()) return;
    chosen_ = ui_.WeakChapters->item(row, RecordWindowControls::NameColumn)
                  ->data(Qt::UserRole)
                  .toLongLong();
    accept();
}

}  // namespace record
