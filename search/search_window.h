#pragma once

#include <QDialog>
#include <QTimer>

#include "search/index_refresh.h"
#include "search/question_search.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace search {

// The question search (Ctrl+F in the main window): a text box, and the questions whose stem,
// options or explanation hold the text, each with its chapter and its stem with the text
// marked. Choosing one (double click, Enter, "打开") closes the window with Accepted and
// chosenQuestion(). Each showing first brings the search index up to the bank on a thread of
// its own (a restore may have replaced the bank since); a search asked for meanwhile runs once
// it is done. Created once and reused: the text and the list stay from the last search.
class SearchWindow : public QDialog {
    Q_OBJECT

  public:
    // At most this many questions are listed; more asks for a longer text.
    static constexpr int kListedHits = 200;
    // Typing pauses this long before the list follows the text.
    static constexpr int kTypingPauseMs = 250;

    explicit SearchWindow(const QString& bankPath, QWidget* parent = nullptr);

    qint64 chosenQuestion() const { return chosen_; }
    // Searches for the box's text now, or as soon as the index is the bank's.
    void search();
    // The index is the bank's and searches run at once.
    bool indexReady() const { return indexReady_; }

    QLineEdit* textBox = nullptr;
    QTreeWidget* hitList = nullptr;
    QLabel* statusLine = nullptr;
    QProgressBar* buildBar = nullptr;  // busy while the index is built
    QPushButton* openButton = nullptr;
    QPushButton* closeButton = nullptr;

    static constexpr int kChapterColumn = 0;
    static constexpr int kStemColumn = 1;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void indexBuilding();
    void indexRefreshed(const QString& failure);
    void showResult(const SearchResult& result, const QString& text);
    void choose(QTreeWidgetItem* item);

    QuestionSearch questions_;
    IndexRefresh refresh_;
    QTimer typingPause_;
    bool indexReady_ = false;
    bool searchWaiting_ = false;
    qint64 chosen_ = 0;
};

}  // namespace search
