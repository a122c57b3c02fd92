#include "program_texts.h"

namespace ui {

ProgramTexts& programTexts() {
    static ProgramTexts texts;
    return texts;
}

}  // namespace ui
