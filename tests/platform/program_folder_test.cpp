#include <gtest/gtest.h>

#include <filesystem>

#include "platform/program_folder.h"

namespace tessaro::test {
namespace {

TEST(ProgramFolder, IsTheRunningExecutablesFolderEndingInSlash) {
    const std::string& folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::path(folder).is_absolute());
    EXPECT_TRUE(std::filesystem::exists(folder + "tessaro_tests"));
    EXPECT_EQ(&programFolder(), &folder);
}

}  // namespace
}  // namespace tessaro::test
