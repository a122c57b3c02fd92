#pragma once

#include <QString>

namespace search {

// The text a reader sees of a question text as the bank stores it (HTML): tags dropped, a line
// break or paragraph end turned into a blank, character references decoded, every run of blanks
// made one. A '<' that starts no tag ("p<0.05") stays.
QString plainText(const QString& html);

}  // namespace search
