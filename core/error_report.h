#pragma once

#include <functional>

#include "core/error.h"
#include "core/messages.h"

namespace core {

// Runs `work`; a core::Error it throws ends it and goes to the default error report. True when
// the work ran through.
inline bool runReportingErrors(MessageService& messages, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const Error& error) {
        messages.reportError(error.message());
        return false;
    }
}

}  // namespace core
