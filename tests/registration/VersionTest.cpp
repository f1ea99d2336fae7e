#include "registration/Version.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

void expectVersion(const char* text, int major, int minor)
{
    const Version version = ParseVersion(QString::fromLatin1(text));
    EXPECT_EQ(version.major, major) << text;
    EXPECT_EQ(version.minor, minor) << text;
}

TEST(ParseVersionTest, MajorAndMinor)
{
    expectVersion("1.4", 1, 4);
    expectVersion("1.10 beta", 1, 10);
    expectVersion("1.04", 1, 4);
    expectVersion("2.3.7", 2, 3);
    expectVersion("12.0", 12, 0);
    expectVersion("3", 3, 0);
}

TEST(ParseVersionTest, MalformedTextReadsAsZero)
{
    expectVersion("", 0, 0);
    expectVersion(".", 0, 0);
    expectVersion("abc.def", 0, 0);
    expectVersion("1. 4", 1, 0);
    expectVersion("1.x4", 1, 0);
    expectVersion(" 1.4b", 1, 4);
    expectVersion("-1.2", -1, 2);
    expectVersion("99999999999999999999.1", std::numeric_limits<int>::max(), 1);
}

TEST(ParseVersionTest, NewerComparesMajorThenMinor)
{
    const Version current = ParseVersion(QStringLiteral("1.4"));
    EXPECT_TRUE(isNewer(ParseVersion(QStringLiteral("1.10 beta")), current));
    EXPECT_TRUE(isNewer(ParseVersion(QStringLiteral("2.0")), current));
    EXPECT_FALSE(isNewer(ParseVersion(QStringLiteral("1.4")), current));
    EXPECT_FALSE(isNewer(ParseVersion(QStringLiteral("1.3")), current));
    EXPECT_FALSE(isNewer(ParseVersion(QString()), current));
    EXPECT_FALSE(isNewer(ParseVersion(QStringLiteral("0.99")), current));
}

} // namespace
