#include "view_mode.h"

namespace pages {

ViewMode viewModeFromKey(const QString& key) {
    if (key == kFavouritesKey) return ViewMode::Favourites;
    if (key == kWrongQuestionsKey) return ViewMode::WrongQuestions;
    return ViewMode::AllQuestions;
}

}  // namespace pages
