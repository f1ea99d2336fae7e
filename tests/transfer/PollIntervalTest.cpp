#include "transfer/PollInterval.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* text;
    const char* separator;
    std::optional<qint32> tenths;
};

} // namespace

TEST(PollInterval, SecondsBecomeTenthsRoundedHalfToEven)
{
    const Case cases[] = {
        {"5", ",", 50},
        {"0,5", ",", 5},
        {"0.5", ".", 5},
        {" 2 ", ",", 20},
        {"0", ",", 0},
        {",5", ",", 5},
        // Halves go to the even neighbour.
        {"0,25", ",", 2},
        {"0,75", ",", 8},
        {"1,25", ",", 12},
        {"0,04", ",", 0},
        {"214748364,7", ",", 2147483647},
        // Not an interval.
        {"", ",", std::nullopt},
        {"abc", ",", std::nullopt},
        {"0.5", ",", std::nullopt},
        {"1,2,3", ",", std::nullopt},
        {"1e3", ",", std::nullopt},
        {"-1", ",", std::nullopt},
        {"-0,1", ",", std::nullopt},
        {"214748364,8", ",", std::nullopt},
        {"99999999999999999999", ",", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(poll_interval::tenths(QString::fromLatin1(c.text), QString::fromLatin1(c.separator)),
                  c.tenths)
            << c.text << " with " << c.separator;
}
