#include "game/Captures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace MyGame;

namespace {

// Every way of writing sum as two or more values 1..9, none more than four times,
// values non-increasing; built by search, apart from the fixed table.
std::vector<std::vector<int>> AllWays(int sum) {
    std::vector<std::vector<int>> ways;
    std::vector<int> row;
    std::function<void(int, int)> extend = [&](int left, int largest) {
        if (left == 0) {
            if (row.size() >= 2) ways.push_back(row);
            return;
        }
        for (int value = std::min(largest, std::min(left, 9)); value >= 1; --value) {
            if (std::count(row.begin(), row.end(), value) == 4) continue;
            row.push_back(value);
            extend(left - value, value);
            row.pop_back();
        }
    };
    extend(sum, 9);
    return ways;
}

std::string Join(const std::vector<int>& values) {
    std::string text;
    for (int value : values) text += (text.empty() ? "" : ";") + std::to_string(value);
    return text;
}

}  // namespace

TEST(PartitionsOf, HoldsEveryWayOnceLargestFirstSave811BeforeEightTwo) {
    int rows = 0;
    for (int sum = 2; sum <= 10; ++sum) {
        std::vector<std::vector<int>> ways = AllWays(sum);
        std::sort(ways.begin(), ways.end(), std::greater<>());
        std::vector<std::string> expected;
        for (const auto& way : ways) expected.push_back(Join(way));
        if (sum == 10) {
            const auto eightTwo = std::find(expected.begin(), expected.end(), "8;2");
            ASSERT_EQ(*(eightTwo + 1), "8;1;1");
            std::iter_swap(eightTwo, eightTwo + 1);
        }
        EXPECT_EQ(PartitionsOf(sum), expected) << "sum " << sum;
        rows += static_cast<int>(PartitionsOf(sum).size());
    }
    EXPECT_EQ(rows, 108);
    const std::vector<size_t> counts = {1, 2, 4, 5, 9, 12, 18, 24, 33};
    for (int sum = 2; sum <= 10; ++sum) EXPECT_EQ(PartitionsOf(sum).size(), counts[sum - 2]);
    EXPECT_EQ(PartitionsOf(10)[1], "8;1;1");
    EXPECT_EQ(PartitionsOf(10).back(), "2;2;2;1;1;1;1");
}

TEST(PartitionsOf, IsEmptyOutsideTwoToTen) {
    for (int sum : {-1, 0, 1, 11, 40}) EXPECT_TRUE(PartitionsOf(sum).empty()) << sum;
}
