#include "search/search_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "core/error.h"
#include "search/marked_text_delegate.h"

namespace search {
namespace {

constexpr QSize kSize(760, 480);
constexpr int kChapterWidth = 190;
constexpr int kQuestionIdRole = Qt::UserRole;

QString hitHtml(const SearchHit& hit) {
    QString html = markedHtml(hit.stem);
    if (!hit.foundIn.isEmpty()) {
        html += QStringLiteral("<br><span class=\"aside\">") + hit.foundIn +
                QStringLiteral("：") + markedHtml(hit.passage) + QStringLiteral("</span>");
    }
    return html;
}

}  // namespace

SearchWindow::SearchWindow(const QString& bankPath, QWidget* parent)
    : QDialog(parent), questions_(bankPath), refresh_(bankPath) {
    setObjectName(QStringLiteral("SearchWindow"));
    setWindowTitle(QStringLiteral("搜索试题"));
    setModal(true);
    createControls();
    resize(kSize);

    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    connect(&typingPause_, &QTimer::timeout, this, &SearchWindow::search);
    connect(textBox, &QLineEdit::textEdited, this, [this] { typingPause_.start(); });
    connect(textBox, &QLineEdit::returnPressed, this, &SearchWindow::search);
    connect(hitList, &QTreeWidget::itemActivated, this, &SearchWindow::choose);
    connect(hitList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { openButton->setEnabled(current != nullptr); });
    connect(openButton, &QPushButton::clicked, this,
            [this] { choose(hitList->currentItem()); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(&refresh_, &IndexRefresh::building, this, &SearchWindow::indexBuilding);
    connect(&refresh_, &IndexRefresh::finished, this, &SearchWindow::indexRefreshed);
}

void SearchWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* textRow = new QHBoxLayout;
    auto* prompt = new QLabel(QStringLiteral("查找："), this);
    textBox = new QLineEdit(this);
    textBox->setObjectName(QStringLiteral("textBox"));
    textBox->setPlaceholderText(QStringLiteral("输入题干、选项或解析中的文字"));
    textBox->setClearButtonEnabled(true);
    textBox->installEventFilter(this);
    prompt->setBuddy(textBox);
    textRow->addWidget(prompt);
    textRow->addWidget(textBox, 1);
    layout->addLayout(textRow);

    hitList = new QTreeWidget(this);
    hitList->setObjectName(QStringLiteral("hitList"));
    hitList->setColumnCount(2);
    hitList->setHeaderLabels({QStringLiteral("章节"), QStringLiteral("试题")});
    hitList->setRootIsDecorated(false);
    hitList->setSelectionBehavior(QAbstractItemView::SelectRows);
    hitList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hitList->setItemDelegateForColumn(kStemColumn, new MarkedTextDelegate(hitList));
    hitList->header()->resizeSection(kChapterColumn, kChapterWidth);
    hitList->header()->setStretchLastSection(true);
    layout->addWidget(hitList, 1);

    auto* bottomRow = new QHBoxLayout;
    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    buildBar = new QProgressBar(this);
    buildBar->setRange(0, 0);
    buildBar->setMaximumWidth(160);
    buildBar->hide();
    openButton = new QPushButton(QStringLiteral("打开"), this);
    openButton->setEnabled(false);
    closeButton = new QPushButton(QStringLiteral("关闭"), this);
    // Enter belongs to the text box and the list, never to a default button.
    for (QPushButton* button : {openButton, closeButton}) button->setAutoDefault(false);
    bottomRow->addWidget(statusLine, 1);
    bottomRow->addWidget(buildBar);
    bottomRow->addWidget(openButton);
    bottomRow->addWidget(closeButton);
    layout->addLayout(bottomRow);
}

void SearchWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    chosen_ = 0;
    textBox->setFocus();
    textBox->selectAll();
    if (refresh_.running()) return;
    indexReady_ = false;
    // The last list stays until the index is known to be the bank's, then is searched again.
    searchWaiting_ = !textBox->text().trimmed().isEmpty();
    refresh_.start();
}

void SearchWindow::indexBuilding() {
    statusLine->setText(QStringLiteral("正在建立搜索索引，请稍候……"));
    buildBar->show();
}

void SearchWindow::indexRefreshed(const QString& failure) {
    buildBar->hide();
    if (!failure.isEmpty()) {
        statusLine->setText(QStringLiteral("无法建立搜索索引：") + failure);
        return;
    }
    indexReady_ = true;
    if (std::exchange(searchWaiting_, false)) {
        search();
    } else {
        statusLine->clear();
    }
}

void SearchWindow::search() {
    typingPause_.stop();
    if (!indexReady_) {
        searchWaiting_ = true;
        return;
    }
    const QString text = textBox->text();
    try {
        showResult(questions_.find(text, kListedHits), text.simplified());
    } catch (const core::Error& e) {
        hitList->clear();
        statusLine->setText(QStringLiteral("搜索失败：") + e.message());
    }
}

void SearchWindow::showResult(const SearchResult& result, const QString& text) {
    hitList->clear();
    for (const SearchHit& hit : result.hits) {
        auto* item = new QTreeWidgetItem(hitList);
        item->setText(kChapterColumn, hit.chapter);
        item->setText(kStemColumn, hit.stem.text);
        item->setToolTip(kStemColumn, hit.stem.text);
        item->setData(kStemColumn, MarkedTextDelegate::kHtmlRole, hitHtml(hit));
        item->setData(kChapterColumn, kQuestionIdRole, hit.questionId);
    }
    if (text.isEmpty()) {
        statusLine->clear();
    } else if (result.hits.isEmpty()) {
        statusLine->setText(QStringLiteral("没有找到含有“%1”的试题").arg(text));
    } else if (result.more) {
        statusLine->setText(QStringLiteral("含有“%1”的试题超过 %2 道，只列出前 %2 道；"
                                           "请输入更多的文字")
                                .arg(text)
                                .arg(kListedHits));
    } else {
        statusLine->setText(QStringLiteral("找到 %1 道试题，双击一道打开").arg(result.hits.size()));
    }
    if (!result.hits.isEmpty()) hitList->setCurrentItem(hitList->topLevelItem(0));
}

void SearchWindow::choose(QTreeWidgetItem* item) {
    if (!item) return;
    chosen_ = item->data(kChapterColumn, kQuestionIdRole).toLongLong();
    accept();
}

// Down from the text box goes on into the list.
bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textBox && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && hitList->topLevelItemCount() > 0) {
        hitList->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace search
