#include "Util/Abort.h"

#include "Support/AbortReport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

void failRange(const std::string& key, const int count) {
    UTIL_ABORT("Failed to read Range " << key << " Got " << count << " values");
}

TEST(AbortReportTest, WritesTwoLinesOnStandardErrorAloneAndAbortsWithoutExitHandlers) {
    EXPECT_ABORT_REPORT(
        {
            std::atexit([] { std::cerr << "exit handler ran\n"; });
            // Standard output goes to the error stream, unbuffered, so anything written to it
            // shows up in what the report is compared with.
            std::cout.setf(std::ios::unitbuf);
            dup2(STDERR_FILENO, STDOUT_FILENO);
            failRange("SCREEN_SIZE", 3);
        },
        "failRange(const ", "Failed to read Range SCREEN_SIZE Got 3 values");
}

} // namespace
