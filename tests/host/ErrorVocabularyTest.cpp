#include "host/BestEffort.h"
#include "host/Expected.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

Expected<int> parsed(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return Failure{QStringLiteral("\"%1\" is no number").arg(text)};
    return value;
}

TEST(ExpectedTest, HoldsAValueOrWhyNotAndNeverBoth)
{
    const Expected<int> good = parsed(QStringLiteral("42"));
    ASSERT_TRUE(good);
    EXPECT_EQ(*good, 42);
    EXPECT_TRUE(good.error().isEmpty());

    const Expected<int> bad = parsed(QStringLiteral("x"));
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.error(), QStringLiteral("\"x\" is no number"));
    // Taking the value of a failure is a fault of the program, never a silent default.
    EXPECT_THROW((void)bad.value(), std::logic_error);

    // A failure without words is still a failure.
    EXPECT_FALSE(Expected<void>(Failure{}));
    EXPECT_TRUE(Expected<void>());
}

TEST(BestEffortTest, SwallowsObjectServerErrorsOnly)
{
    EXPECT_TRUE(bestEffort([] {}));
    EXPECT_FALSE(bestEffort([] { throw lns::Error(lns::errors::DeviceOffline, QStringLiteral("gone")); }));
    EXPECT_THROW(bestEffort([] { throw std::out_of_range("no control"); }), std::out_of_range);
}

} // namespace
