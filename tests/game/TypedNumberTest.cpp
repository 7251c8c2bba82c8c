// How typed answers and stored settings are read.
#include <gtest/gtest.h>

#include "fakes/TestGame.h"
#include "levels/TypedNumber.h"

namespace tolvar {
namespace {

TEST(TypedNumber, theLeadingNumberOfAnAnswer)
{
    struct Case {
        const char* text;
        double value;
    };
    for (const Case c : {Case{"3", 3}, Case{"  12", 12}, Case{"2.5", 2.5}, Case{"4 apples", 4}, Case{"abc", 0},
                         Case{"", 0}, Case{"-3", -3}, Case{".5", 0.5}, Case{"1e2", 100}, Case{"7x9", 7}, Case{"1e", 1},
                         Case{"+4", 4}, Case{"1e999", 0}})
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(TypedNumber, halvesRoundToTheEvenNeighbour)
{
    struct Case {
        double value;
        long long rounded;
    };
    for (const Case c : {Case{2.5, 2}, Case{4.5, 4}, Case{3.5, 4}, Case{3.6, 4}, Case{1.49, 1}, Case{0.5, 0}, Case{7, 7}})
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(TypedNumber, onlyPlainNamesMayFollowAPrefix)
{
    struct Case {
        const char* text;
        bool safe;
    };
    for (const Case c : {Case{"3", true}, Case{"07", true}, Case{"abc", true}, Case{"../3", false}, Case{"..", false},
                         Case{"a/b", false}, Case{"a\\b", false}, Case{"1\n", false}, Case{"", false}})
        EXPECT_EQ(SafeNumberText(c.text), c.safe) << c.text;
    EXPECT_FALSE(SafeNumberText(std::string(5000, '7')));
    EXPECT_EQ(TrimSpaces("  07 "), "07");
}

TEST(Settings, storedValuesAreReadByTheirLeadingDigits)
{
    struct Case {
        std::optional<std::string> stored;
        int expected;
    };
    const std::vector<Case> cases = {{std::nullopt, 7}, {"12", 12}, {"12abc", 12}, {"abc", 0}, {"-5", 0},
                                     {"", 0}, {" 3", 3}, {"99999999999999", 2147483647}};
    for (const Case& c : cases) {
        testing::TestGame t({testing::Level({"111", "161", "111"})});
        t.desktop.settings.values.erase("Level");
        if (c.stored)
            t.desktop.settings.values["Level"] = *c.stored;
        EXPECT_EQ(t->ReadSetting("Level", 7), c.expected) << c.stored.value_or("(none)");
    }
}

}  // namespace
}  // namespace tolvar
