#include "record/record_window_controls.h"

#include <QChartView>
#include <QDialog>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace record {

namespace {

// Within the 1024 × 768 the program's windows are designed for.
constexpr QSize kWindowSize(1000, 700);
constexpr int kChapterColumnWidth = 330;

QChartView* rateChart(QWidget* parent, const QString& name) {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(180);
    QChart* chart = view->chart();
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(6, 4, 6, 4));
    // Beside the plot in a smaller type, so that every type's name is read whole.
    chart->legend()->setAlignment(Qt::AlignRight);
    QFont legendFont = chart->legend()->font();
    legendFont.setPointSizeF(8);
    chart->legend()->setFont(legendFont);
    return view;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QWidget* chapterColumn(RecordWindowControls& ui, QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(kChapterColumnWidth);
    ui.WeakChapters = new QTableWidget(0, RecordWindowControls::ChapterColumns, column);
    ui.WeakChapters->setObjectName(QStringLiteral("WeakChapters"));
    ui.WeakChapters->setHorizontalHeaderLabels({QStringLiteral("章节"), QStringLiteral("错题数"),
                                                QStringLiteral("正确率"),
                                                QStringLiteral("交卷次数")});
    ui.WeakChapters->verticalHeader()->hide();
    ui.WeakChapters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.WeakChapters->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.WeakChapters->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.WeakChapters->setWordWrap(false);
    QHeaderView* header = ui.WeakChapters->horizontalHeader();
    header->setSectionResizeMode(RecordWindowControls::NameColumn, QHeaderView::Stretch);
    for (int column = RecordWindowControls::WrongColumn;
         column < RecordWindowControls::ChapterColumns; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    ui.ChapterHint = new QLabel(column);
    ui.ChapterHint->setWordWrap(true);
    ui.OpenChapter = new QPushButton(QStringLiteral("打开章节"), column);
    ui.OpenChapter->setObjectName(QStringLiteral("OpenChapter"));

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(QStringLiteral("薄弱章节（错题多、正确率低的在前）"), column));
    layout->addWidget(ui.WeakChapters, 1);
    layout->addWidget(ui.ChapterHint);
    layout->addWidget(ui.OpenChapter, 0, Qt::AlignRight);
    return column;
}

}  // namespace

void RecordWindowControls::setupUi(QDialog* window) {
    window->setObjectName(QStringLiteral("RecordWindow"));
    window->setWindowTitle(QStringLiteral("学习记录"));
    window->resize(kWindowSize);

    Totals = new QLabel(window);
    Totals->setObjectName(QStringLiteral("Totals"));
    Totals->setWordWrap(true);
    QFont larger = Totals->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    Totals->setFont(larger);
    Status = new QLabel(window);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setWordWrap(true);
    Status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Retry = new QPushButton(QStringLiteral("重新读取"), window);
    Retry->setObjectName(QStringLiteral("Retry"));
    auto* statusLine = new QHBoxLayout;
    statusLine->addWidget(Status, 1);
    statusLine->addWidget(Retry);

    Record = new QWidget(window);
    auto* charts = new QVBoxLayout;
    PracticeChart = rateChart(Record, QStringLiteral("PracticeChart"));
    ExamChart = rateChart(Record, QStringLiteral("ExamChart"));
    // Exercise pages come far more often and in more types than exams.
    charts->addWidget(PracticeChart, 2);
    charts->addWidget(ExamChart, 1);
    auto* recordLayout = new QHBoxLayout(Record);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    recordLayout->addLayout(charts, 1);
    recordLayout->addWidget(chapterColumn(*this, Record));

    CloseButton = new QPushButton(QStringLiteral("关闭"), window);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(Totals);
    layout->addLayout(statusLine);
    layout->addWidget(Record, 1);
    layout->addLayout(bottom);
}

}  // namespace record
