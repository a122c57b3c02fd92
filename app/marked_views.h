#pragma once

#include <QString>
#include <functional>

#include "app/chapter_flags.h"
#include "ui/main_window_host.h"

namespace app {

// The two views of marked questions: the favourites (NewImage1) and the wrong-question bank
// (NewImage20). Each derives the chapter flags from the question flags, switches the view mode,
// rebuilds the tree and opens its first chapter; with no marked question it says so and leaves
// the view as it was.
class MarkedViews {
  public:
    // Shows the wrong-question manager TForm16 and returns once it is closed.
    using ShowManagerModally = std::function<void()>;

    MarkedViews(ui::MainWindowHost& host, ShowManagerModally showManager);

    // Both throw core::Error. A failing flag rebuild keeps the previous chapter flags; the mode
    // key is switched by then, so the next tree build lists the chapters of those flags.
    void NewImage1Click();
    void NewImage20Click();

  private:
    // A view's question flag, its mode key and what it says when no question carries the flag.
    struct View {
        FlagColumn flag;
        QString modeKey;
        QString emptyMessage;
    };
    static const View& favourites();
    static const View& wrongQuestions();

    void open(const View& view);

    ui::MainWindowHost& host_;
    ShowManagerModally showManager_;
};

}  // namespace app
