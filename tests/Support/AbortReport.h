#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <ostream>
#include <regex>
#include <string>
#include <utility>

// Checks the abort report of Util/Abort.h in a death test:
//     EXPECT_ABORT_REPORT(manager.run(), "Game::GameManager::run", "Failed to init window");
// The process must end through SIGABRT having written exactly the two report lines on
// standard error: the first names a function whose signature contains `function`, a file by
// its path within the source tree (the same wherever the tree was built) and a line number;
// the second is "ABORT: " followed by exactly `message` (plain text, not a pattern). The
// signature is the compiler's __PRETTY_FUNCTION__, so `function` may be spelled as either
// g++ or clang writes it (see canonicalSignature).
// TestSupport::abortReport is the matcher alone, for EXPECT_EXIT.
#define EXPECT_ABORT_REPORT(statement, function, message)                                          \
    EXPECT_EXIT(statement, testing::KilledBySignal(SIGABRT),                                       \
                TestSupport::abortReport(function, message))

namespace TestSupport {

// Spells a function signature the way g++ 12 writes __PRETTY_FUNCTION__, which clang 14 writes
// differently: "(anonymous namespace)" for "{anonymous}", `*` and `&` after a space rather
// than before one ("A *f(int &)" for "A* f(int&)"), and the top-level const of a parameter as
// it was defined ("FluidParticle *const, const int" for "FluidParticle*, int"). A parameter's
// top-level const is dropped only where the parameter is a pointer or a type without `<`.
inline std::string canonicalSignature(std::string signature) {
    static const std::regex l_anonymous(R"(\(anonymous namespace\))");
    static const std::regex l_declaratorBeforeName(R"( ([*&]+)(?=\w))");
    static const std::regex l_declaratorAtEnd(R"( ([*&]+))");
    static const std::regex l_constPointer(R"(\* ?const(?=[,)]))");
    static const std::regex l_constValue(R"(([(,] ?)const ([^,()<>*&]+)(?=[,)]))");
    signature = std::regex_replace(signature, l_anonymous, "{anonymous}");
    signature = std::regex_replace(signature, l_declaratorBeforeName, "$1 ");
    signature = std::regex_replace(signature, l_declaratorAtEnd, "$1");
    signature = std::regex_replace(signature, l_constPointer, "*");
    return std::regex_replace(signature, l_constValue, "$1$2");
}

class AbortReportMatcher : public testing::MatcherInterface<const std::string&> {
public:
    AbortReportMatcher(std::string function, std::string message)
        : m_function(std::move(function)), m_canonicalFunction(canonicalSignature(m_function)),
          m_message(std::move(message)) {}

    bool MatchAndExplain(const std::string& report,
                         testing::MatchResultListener* const listener) const override {
        static const std::regex l_report("ABORT: Func:(.*) File:(\\S+) Line: [0-9]+\n"
                                         "ABORT: ([^]*)\n");
        std::smatch parts;
        if (!std::regex_match(report, parts, l_report)) {
            *listener << "which is not the two lines of an abort report";
            return false;
        }
        const std::string path = parts[2];
        const bool inTree = path.front() != '/' &&
                            std::filesystem::is_regular_file(KESSOK_SOURCE_DIR + ("/" + path));
        *listener << "naming " << parts[1] << " in " << path << " with " << parts[3];
        return canonicalSignature(parts[1]).find(m_canonicalFunction) != std::string::npos &&
               inTree && parts[3] == m_message;
    }

    void DescribeTo(std::ostream* const out) const override {
        *out << "is the abort report of a function containing \"" << m_function
             << "\" in a file of the source tree with the message \"" << m_message << "\"";
    }

private:
    std::string m_function;
    std::string m_canonicalFunction;
    std::string m_message;
};

inline testing::Matcher<const std::string&> abortReport(const std::string& function,
                                                        const std::string& message) {
    return testing::MakeMatcher(new AbortReportMatcher(function, message));
}

} // namespace TestSupport
