#include "Util/Abort.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace KessokTest {

struct RangeReader {
    std::string key;
    void fail(int count) const;
};

// The parameter is not const: clang would spell it into the signature, g++ would not.
constexpr int kReportLine = __LINE__ + 2;
void RangeReader::fail(int count) const {
    UTIL_ABORT("Failed to read Range " << key << " Got " << count << " values");
}

} // namespace KessokTest

namespace {

testing::Matcher<const std::string&> isReport(const std::string& message) {
    return std::string("ABORT: Func:void KessokTest::RangeReader::fail(int) const File:") +
           __FILE__ + " Line: " + std::to_string(KessokTest::kReportLine) + "\nABORT: " + message +
           "\n";
}

TEST(AbortReportTest, WritesTwoLinesOnStandardErrorAndAborts) {
    EXPECT_EXIT(KessokTest::RangeReader{"SCREEN_SIZE"}.fail(3), testing::KilledBySignal(SIGABRT),
                isReport("Failed to read Range SCREEN_SIZE Got 3 values"));
}

TEST(AbortReportTest, RunsNoExitHandlerOrDestructorAndWritesNothingOnStandardOutput) {
    EXPECT_EXIT(
        {
            std::atexit([] { std::cerr << "exit handler ran\n"; });
            // Standard output goes to the error stream, unbuffered, so anything written to it
            // shows up in what the report is compared with.
            std::cout.setf(std::ios::unitbuf);
            dup2(STDERR_FILENO, STDOUT_FILENO);
            KessokTest::RangeReader{"FOV"}.fail(1);
        },
        testing::KilledBySignal(SIGABRT), isReport("Failed to read Range FOV Got 1 values"));
}

} // namespace
