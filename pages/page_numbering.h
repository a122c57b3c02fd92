#pragma once

namespace pages {

// Numbering state of the page being built; reset at the start of every build.
struct PageNumbering {
    int QuestionNumber = 1;  // N: the number given to the next numbered question or group
    int GroupNumber = 0;     // G: the number of the current case group
    int SubIndex = 1;        // i: position of the question within its group
    int CaseHeaderShown = 0;
    int MatchingHeaderShown = 0;

    void reset() { *this = PageNumbering{}; }
};

}  // namespace pages
