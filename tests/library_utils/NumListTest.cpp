#include "KwNumList.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

template <class T>
std::vector<T> Parsed(const char* text, char delimiter)
{
    KwNumList<T> list;
    list.Delimiter = delimiter;
    list.Parse(text);
    return list.Items();
}

TEST(NumList, Parsing)
{
    using V = std::vector<int>;
    EXPECT_EQ(Parsed<int>(nullptr, '.'), V());
    EXPECT_EQ(Parsed<int>("", '.'), V());
    EXPECT_EQ(Parsed<int>("192.168.0.1", '.'), (V{192, 168, 0, 1}));
    EXPECT_EQ(Parsed<int>("1,,3", ','), (V{1, 0, 3}));
    EXPECT_EQ(Parsed<int>("10.", '.'), (V{10, 0}));
    EXPECT_EQ(Parsed<int>(",", ','), (V{0, 0}));
    EXPECT_EQ(Parsed<int>("2.7", ','), (V{2}));        // the fraction never changes it
    EXPECT_EQ(Parsed<int>("2.79,4", ','), (V{2, 4}));
    EXPECT_EQ(Parsed<int>("1,3,5", ','), (V{1, 3, 5}));
    // Wraps at 32 bits rather than overflowing.
    EXPECT_EQ(Parsed<unsigned>("4294967296", '.'), std::vector<unsigned>{0u});
    EXPECT_EQ(Parsed<unsigned>("4294967295", '.'), std::vector<unsigned>{4294967295u});
    EXPECT_EQ(Parsed<int>("2147483648", '.'), (V{-2147483647 - 1}));
}

TEST(NumList, CountItemsAndReparse)
{
    KwNumList<int> list;
    EXPECT_EQ(list.CountItems(nullptr), 0);
    EXPECT_EQ(list.CountItems(""), 0);
    EXPECT_EQ(list.CountItems("1"), 1);
    EXPECT_EQ(list.CountItems("1.2.3."), 4);
    list.Parse("1.2.3");
    EXPECT_EQ(list.Count(), 3);
    list.Parse("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(NumList, IndexOfAndInRange)
{
    KwNumList<int> indexes;
    indexes.Delimiter = ',';
    EXPECT_EQ(indexes.IndexOf(1), -1);
    indexes.Parse("4,7,4");
    EXPECT_EQ(indexes.IndexOf(4), 0);
    EXPECT_EQ(indexes.IndexOf(7), 1);
    EXPECT_EQ(indexes.IndexOf(5), -1);

    KwNumList<unsigned> vlan;
    EXPECT_TRUE(vlan.InRange(1, 4094));
    struct Case {
        const char* text;
        bool inRange;
    } cases[] = {{"0", false}, {"4095", false}, {"1", true}, {"4094", true}, {"1.4094", true}, {"1.0", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        vlan.Parse(c.text);
        EXPECT_EQ(vlan.InRange(1, 4094), c.inRange);
    }
}

}  // namespace
