// Each test's result, read from the XML report GoogleTest writes
// (--gtest_output=xml).
#pragma once

#include <string>
#include <vector>

namespace speedrail::bundle {

struct TestResult {
    std::string name;     // Suite.Test, as --gtest_filter names it
    std::string outcome;  // "passed", "FAILED", "skipped" or "not run"
    std::string detail;   // the first failure's or the skip's message, on one line
};

// The tests in the report's order; none for text that holds no test case.
std::vector<TestResult> readTestResults(const std::string& xml);

}  // namespace speedrail::bundle
