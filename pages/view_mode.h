#pragma once

#include <QString>

namespace pages {

// The view mode is held as the text of the main window's mode strip; keys compare exactly,
// blanks included. Any text other than the two keys below means all questions.
inline const QString kFavouritesKey = QStringLiteral("收 藏 试 题");
inline const QString kWrongQuestionsKey = QStringLiteral("错 题 题 库");
inline const QString kStartKey = QStringLiteral("高 级 试 题");
inline const QString kExerciseSetKey = QStringLiteral("习 题 集");

enum class ViewMode { AllQuestions, Favourites, WrongQuestions };

ViewMode viewModeFromKey(const QString& key);

}  // namespace pages
