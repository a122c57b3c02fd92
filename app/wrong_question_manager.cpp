#include "app/wrong_question_manager.h"

#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "core/error.h"
#include "core/error_report.h"
#include "store/connection_string.h"
#include "ui/outer_size.h"

namespace app {

namespace {

constexpr QSize kOuterSize(1022, 563);
constexpr QPoint kScreenPosition(229, 115);
constexpr int kButtonStripHeight = 38;
constexpr QSize kButtonSize(63, 25);
constexpr int kCheckColumnWidth = 48;
constexpr int kContentColumnWidth = 900;

const QString kBankQuery = QStringLiteral("select * from question where ct='1' order by id");

// Stems are stored as HTML; the list shows their text on one line.
QString stemText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

}  // namespace

TForm16::TForm16(const QString& dataDir, core::MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Window),
      messages_(messages),
      connectionString_(store::ConnectionString::forDataDirectory(dataDir)) {
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QStringLiteral("错题题库"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createList();
    createButtonStrip();
    layout->addWidget(lstDetail, 1);
    layout->addWidget(Panel2);
    resize(kOuterSize);
    move(kScreenPosition);
}

void TForm16::createList() {
    lstDetail = new QTableWidget(0, 2, this);
    lstDetail->setObjectName(QStringLiteral("lstDetail"));
    lstDetail->setHorizontalHeaderLabels({QStringLiteral("选题"), QStringLiteral("错题内容")});
    lstDetail->verticalHeader()->hide();
    lstDetail->setShowGrid(true);
    lstDetail->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstDetail->setSelectionMode(QAbstractItemView::SingleSelection);
    lstDetail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstDetail->setSortingEnabled(false);  // row k must stay the k-th question of the bank
    lstDetail->setWordWrap(false);
    lstDetail->setColumnWidth(0, kCheckColumnWidth);
    lstDetail->setColumnWidth(kContentColumn, kContentColumnWidth);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    lstDetail->setFont(font);
    QPalette palette = lstDetail->palette();
    palette.setColor(QPalette::Base, QColor(233, 245, 250));
    lstDetail->setPalette(palette);
}

void TForm16::createButtonStrip() {
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(kButtonStripHeight);
    btnSelAll = addButton(QStringLiteral("btnSelAll"), QStringLiteral("全选"), 17);
    btnInvert = addButton(QStringLiteral("btnInvert"), QStringLiteral("反选"), 93);
    bsSkinButton1 = addButton(QStringLiteral("bsSkinButton1"), QStringLiteral("删除"), 809);
    bsSkinButton2 = addButton(QStringLiteral("bsSkinButton2"), QStringLiteral("确定"), 897);
    connect(btnSelAll, &QPushButton::clicked, this, &TForm16::btnSelAllClick);
    connect(btnInvert, &QPushButton::clicked, this, &TForm16::btnInvertClick);
    connect(bsSkinButton1, &QPushButton::clicked, this,
            [this] { runReportingErrors(&TForm16::bsSkinButton1Click); });
    connect(bsSkinButton2, &QPushButton::clicked, this, &TForm16::bsSkinButton2Click);
}

QPushButton* TForm16::addButton(const QString& name, const QString& text, int left) {
    auto* button = new QPushButton(text, Panel2);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int top = (kButtonStripHeight - kButtonSize.height()) / 2;
    button->setGeometry(QRect(QPoint(left, top), kButtonSize));
    return button;
}

void TForm16::runReportingErrors(void (TForm16::*command)()) {
    core::runReportingErrors(messages_, [&] { (this->*command)(); });
}

void TForm16::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    resize(ui::clientSizeFor(*this, kOuterSize));  // the design's size is the outside size
    // Coming back from minimised is no new showing: the checks stay.
    if (event->spontaneous()) return;
    runReportingErrors(&TForm16::FormShow);
}

void TForm16::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm16::FormShow() {
    bank_.close();
    bank_.setConnectionString(connectionString_);
    bank_.open();
    store::Recordset questions = bank_.query(kBankQuery);
    lstDetail->setRowCount(0);
    rowQuestionIds_.clear();
    for (questions.first(); !questions.eof(); questions.next())
        addRow(questions.text(QStringLiteral("id")), questions.text(QStringLiteral("content")));
}

void TForm16::addRow(const QString& questionId, const QString& stem) {
    const int row = lstDetail->rowCount();
    lstDetail->insertRow(row);
    auto* check = new QTableWidgetItem;
    check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    check->setCheckState(Qt::Unchecked);
    lstDetail->setItem(row, 0, check);
    auto* content = new QTableWidgetItem(stemText(stem));
    content->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    content->setToolTip(content->text());
    lstDetail->setItem(row, kContentColumn, content);
    rowQuestionIds_ << questionId;
}

bool TForm16::isRowChecked(int row) const {
    const QTableWidgetItem* check = lstDetail->item(row, 0);
    return check && check->checkState() == Qt::Checked;
}

void TForm16::setRowChecked(int row, bool checked) {
    lstDetail->item(row, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TForm16::btnSelAllClick() {
    for (int row = 0; row < lstDetail->rowCount(); ++row) setRowChecked(row, true);
}

void TForm16::btnInvertClick() {
    for (int row = 0; row < lstDetail->rowCount(); ++row) setRowChecked(row, !isRowChecked(row));
}

// Row k of the list is the k-th question of a fresh read of the bank. Should the bank have
// changed since the list was filled, a row whose question is no longer the one listed there is
// left alone rather than taking another question out of the bank.
void TForm16::bsSkinButton1Click() {
    bank_.open();
    store::Recordset questions = bank_.query(kBankQuery);
    {
        store::Connection::Transaction transaction(bank_);
        for (questions.first(); !questions.eof(); questions.next()) {
            const int row = questions.position() - 1;
            if (row >= rowQuestionIds_.size() || !isRowChecked(row)) continue;
            if (questions.text(QStringLiteral("id")) != rowQuestionIds_.at(row)) continue;
            questions.edit();
            questions.set(QStringLiteral("ct"), QStringLiteral(""));
            questions.post();
        }
        transaction.commit();
    }
    FormShow();
}

void TForm16::bsSkinButton2Click() { close(); }

void TForm16::FormClose() { bank_.close(); }

}  // namespace app
