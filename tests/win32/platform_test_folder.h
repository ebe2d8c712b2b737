// Shared by the platform tests: each test runs in a fresh, empty temporary
// folder that is the current folder for the test's duration.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_platform.h"

namespace speedrail::win32::testing {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A test child's full path (the children are built beside the tests),
    // as UTF-8.
    static std::string childPath(const std::string& exeName);
    // Creates `name` in the current folder with these bytes; fails the test
    // when it cannot.
    static void createFile(const std::string& name, const std::string& bytes);

    std::wstring folder_;  // the temporary folder, full path

private:
    std::wstring previousFolder_;
};

}  // namespace speedrail::win32::testing
