#include <gtest/gtest.h>

#include <set>

#include "printing/print_selection.h"

TEST(PrintSelection, SelectedDivesInLogbookOrderOrAll) {
    const std::set<uint32_t> chosen = {7, 2, 5};
    auto selected = [&](uint32_t i) { return chosen.count(i) > 0; };
    EXPECT_EQ(dives_to_print(10, 0, selected), (std::vector<uint32_t>{2, 5, 7}));
    EXPECT_EQ(dives_to_print(4, 1, selected), (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_TRUE(dives_to_print(0, 1, selected).empty());
}

TEST(PrintSelection, FileNameWithoutItsFolder) {
    const std::pair<const char*, const char*> cases[] = {{"/home/sub/mare 2024.qvl", "mare 2024.qvl"},
                                                         {"C:\\Immersioni\\mare.qvl", "mare.qvl"},
                                                         {"/home/sub/dir\\odd.qvl", "odd.qvl"},
                                                         {"untitled.qvl", "untitled.qvl"},
                                                         {"/home/sub/", ""}};
    for (const auto& [path, name] : cases) EXPECT_EQ(file_name_only(path), name) << path;
}
