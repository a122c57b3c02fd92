#include "program_texts.h"

namespace app {

ProgramTexts& programTexts() {
    static ProgramTexts texts;
    return texts;
}

}  // namespace app
