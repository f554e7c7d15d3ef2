#pragma once

#include "Util/Debug.h"

#include <cstdlib>
#include <ostream>

// Ends the process with the abort report: two flushed lines on the debug object's
// error stream, then abort(), so no exit handler or destructor runs. The first line
// names the reporting function, file and line; the second carries the message, whose
// pieces are streamed one after another:
//     UTIL_ABORT("Failed to read Range " << key << " Got " << count << " values");
// NOLINTBEGIN(bugprone-macro-parentheses): the message is a chain of << pieces.
#define UTIL_ABORT(message)                                                                        \
    do {                                                                                           \
        ::Util::Debug::instance().errorStream()                                                    \
            << "ABORT: Func:" << __PRETTY_FUNCTION__ << " File:" << __FILE__                       \
            << " Line: " << __LINE__ << std::endl;                                                 \
        ::Util::Debug::instance().errorStream() << "ABORT: " << message << std::endl;              \
        std::abort();                                                                              \
    } while (false)
// NOLINTEND(bugprone-macro-parentheses)
