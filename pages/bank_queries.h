#pragma once

#include <QString>

#include "view_mode.h"

// The statements on the bank's question tables that more than one reader runs, built in one
// place. Keys are spliced in unquoted, as the bank's statements have them.
namespace pages {

// "select * from tree where id=" + id: one node of the chapter tree.
QString chapterQuery(const QString& chapterId);

// The question groups of a chapter, by question type.
QString chapterGroupsQuery(const QString& chapterId);

// "select * from readtext where id=" + id + " order by qtypeid": one question group.
QString groupQuery(const QString& readtextId);

// The questions of one group that a mode lists (the page builder, the practice marking and the
// exam's marking and pages).
QString groupQuestionQuery(ViewMode mode, const QString& readtextId);

// "select * from question where id=" + id: one question.
QString questionQuery(const QString& questionId);

}  // namespace pages
