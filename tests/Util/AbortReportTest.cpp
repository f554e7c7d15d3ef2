#include "Util/Abort.h"
#include "Util/Debug.h"
#include "Util/Singleton.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <type_traits>
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

// Would betray a report that let exit handlers or destructors run.
struct Witness : Util::Singleton<Witness> {
    ~Witness() { std::cerr << "witness destroyed\n"; }
};

} // namespace KessokTest

namespace {

using ExactText = testing::Matcher<const std::string&>;

const std::string kFirstLine =
    std::string("ABORT: Func:void KessokTest::RangeReader::fail(int) const") + " File:" + __FILE__ +
    " Line: " + std::to_string(KessokTest::kReportLine) + "\n";

TEST(AbortReportTest, WritesTwoLinesOnStandardErrorAndAborts) {
    EXPECT_EXIT(KessokTest::RangeReader{"SCREEN_SIZE"}.fail(3), testing::KilledBySignal(SIGABRT),
                ExactText(kFirstLine + "ABORT: Failed to read Range SCREEN_SIZE Got 3 values\n"));
}

TEST(AbortReportTest, RunsNoExitHandlerOrDestructorAndWritesNothingOnStandardOutput) {
    EXPECT_EXIT(
        {
            KessokTest::Witness::instance();
            std::atexit([] { std::cerr << "exit handler ran\n"; });
            // Standard output is sent to the error stream, unbuffered, so that anything written
            // to it shows up in what the report is compared with.
            std::cout.setf(std::ios::unitbuf);
            dup2(STDERR_FILENO, STDOUT_FILENO);
            KessokTest::RangeReader{"FOV"}.fail(1);
        },
        testing::KilledBySignal(SIGABRT),
        ExactText(kFirstLine + "ABORT: Failed to read Range FOV Got 1 values\n"));
}

TEST(AbortReportTest, DebugObjectReportsOnStandardErrorAndCannotBeCopied) {
    static_assert(!std::is_copy_constructible_v<Util::Debug>);
    static_assert(!std::is_copy_assignable_v<Util::Debug>);
    EXPECT_EQ(&Util::Debug::instance().errorStream(), &std::cerr);
}

} // namespace
