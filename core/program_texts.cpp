#include "program_texts.h"

namespace core {

ProgramTexts& programTexts() {
    static ProgramTexts texts;
    return texts;
}

}  // namespace core
