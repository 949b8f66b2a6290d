#pragma once

// Case tables for quilo-tool runs: a row either prints its output or is refused.

#include "support/RunTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tooltest {

// The contract of every refusal: exit status 2, nothing on stdout, one line on stderr.
inline void ExpectRefused(const testsupport::RunResult& run) {
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.ends_with('\n')) << run.err;
}

struct Row {
    const char* legend;
    std::vector<std::string> args;
    const char* out; // nullptr: refused
};

inline void CheckRows(const std::vector<Row>& rows, const std::vector<std::string>& env = {}) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const auto run = testsupport::RunTool(row.args, "", env);
        if (row.out != nullptr) {
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, row.out);
            EXPECT_EQ(run.err, "");
        } else {
            ExpectRefused(run);
        }
    }
}

} // namespace tooltest
