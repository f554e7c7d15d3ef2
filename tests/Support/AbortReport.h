#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#include <string>
#include <utility>

// Checks the abort report of Util/Abort.h in a death test:
//     EXPECT_ABORT_REPORT(manager.run(), "Game::GameManager::run", "Failed to init window");
// The process must end through SIGABRT having written exactly the two report lines on
// standard error: the first names a function whose signature contains `function`, a file and
// a line number; the second is "ABORT: " followed by exactly `message` (plain text, not a
// pattern). TestSupport::abortReport is the matcher alone, for EXPECT_EXIT.
#define EXPECT_ABORT_REPORT(statement, function, message)                                          \
    EXPECT_EXIT(statement, testing::KilledBySignal(SIGABRT),                                       \
                TestSupport::abortReport(function, message))

namespace TestSupport {

class AbortReportMatcher : public testing::MatcherInterface<const std::string&> {
public:
    AbortReportMatcher(std::string function, std::string message)
        : m_function(std::move(function)), m_message(std::move(message)) {}

    bool MatchAndExplain(const std::string& report,
                         testing::MatchResultListener* const listener) const override {
        const std::string funcMark = "ABORT: Func:";
        const std::size_t firstEnd = report.find('\n');
        const std::size_t file = report.find(" File:");
        const std::size_t line = report.rfind(" Line: ", firstEnd);
        if (report.rfind(funcMark, 0) != 0 || firstEnd == std::string::npos ||
            file == std::string::npos || line == std::string::npos || line < file) {
            *listener << "whose first line is not \"ABORT: Func:... File:... Line: ...\"";
            return false;
        }
        const std::string function = report.substr(funcMark.size(), file - funcMark.size());
        if (function.find(m_function) == std::string::npos) {
            *listener << "naming the function " << function;
            return false;
        }
        const std::string lineNumber = report.substr(line + 7, firstEnd - line - 7);
        if (lineNumber.empty() || lineNumber.find_first_not_of("0123456789") != std::string::npos) {
            *listener << "naming the line " << lineNumber;
            return false;
        }
        if (report.substr(firstEnd + 1) != "ABORT: " + m_message + "\n") {
            *listener << "whose second part is " << testing::PrintToString(report.substr(firstEnd + 1));
            return false;
        }
        return true;
    }

    void DescribeTo(std::ostream* const out) const override {
        *out << "is the abort report of a function containing \"" << m_function
             << "\" with the message \"" << m_message << "\"";
    }

private:
    std::string m_function;
    std::string m_message;
};

inline testing::Matcher<const std::string&> abortReport(const std::string& function,
                                                         const std::string& message) {
    return testing::MakeMatcher(new AbortReportMatcher(function, message));
}

} // namespace TestSupport
