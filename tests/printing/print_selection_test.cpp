#include <gtest/gtest.h>

#include "printing/print_selection.h"

TEST(PrintSelection, FileNameWithoutItsFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/sub/dir\\mare 2024.qvl", "mare 2024.qvl"}, {"untitled.qvl", "untitled.qvl"}, {"/home/sub/", ""}};
    for (const auto& [path, name] : cases) EXPECT_EQ(file_name_only(path), name) << path;
}
