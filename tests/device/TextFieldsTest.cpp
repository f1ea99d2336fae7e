#include "device/TextFields.h"

#include "host/BadValue.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using text_fields::BitField;
using text_fields::HexByteField;

const QString LastBitSet = QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1");

TEST(BitFieldTest, ReadsFromEitherEnd)
{
    EXPECT_EQ(BitField(LastBitSet, false, 0, false, true), QStringLiteral("1"));
    EXPECT_EQ(BitField(LastBitSet, false, 0, false, false), QStringLiteral("0"));
    EXPECT_EQ(BitField(LastBitSet, false, 15, false, false), QStringLiteral("1"));
    EXPECT_EQ(BitField(LastBitSet, false, 15, false, true), QStringLiteral("0"));
}

TEST(BitFieldTest, WritesOneDigitAndKeepsTheRest)
{
    const QString set = BitField(LastBitSet, true, 1, true, true);
    EXPECT_EQ(set, QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1"));
    EXPECT_EQ(set.size(), 31);
    EXPECT_EQ(BitField(set, true, 0, false, true), QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0"));
    EXPECT_EQ(BitField(LastBitSet, true, 2, true, false), QStringLiteral("0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 1"));
    EXPECT_EQ(BitField(LastBitSet, true, 0, true, true), LastBitSet);
}

TEST(BitFieldTest, MalformedInputIsRejected)
{
    const QString shortList = QStringLiteral("1 0 1");
    EXPECT_EQ(BitField(shortList, false, 1, false, false), QStringLiteral("0"));
    EXPECT_THROW(BitField(shortList, false, 3, false, false), BadValue);
    EXPECT_THROW(BitField(shortList, true, 0, true, true), BadValue);
    EXPECT_THROW(BitField(QString(), false, 0, false, false), BadValue);
    EXPECT_THROW(BitField(LastBitSet, false, 16, false, false), BadValue);
    EXPECT_THROW(BitField(LastBitSet, false, -1, false, true), BadValue);
    EXPECT_THROW(BitField(QStringLiteral("0 x 0 1"), false, 1, false, false), BadValue);
}

TEST(HexByteFieldTest, ReadsAndWritesBytes)
{
    const QString written = HexByteField(QStringLiteral("2,2,2,0"), 1, 255);
    EXPECT_EQ(written, QStringLiteral("2,ff,2,0"));
    EXPECT_EQ(HexByteField(written, 3), 0.0);
    EXPECT_EQ(HexByteField(written, 1), 255.0);
    EXPECT_EQ(HexByteField(QStringLiteral("0a,0,0,0"), 0), 10.0);
    EXPECT_EQ(HexByteField(QStringLiteral("0,0,FF,0"), 2), 255.0);
    EXPECT_EQ(HexByteField(QStringLiteral("0, 1f ,0,0"), 1), 31.0);
    EXPECT_EQ(HexByteField(QStringLiteral("0a,0B,c,0"), 3, 10), QStringLiteral("0a,0B,c,a"));
    EXPECT_EQ(HexByteField(QStringLiteral("ff,ff,ff,ff"), 0, 0), QStringLiteral("0,ff,ff,ff"));
}

TEST(HexByteFieldTest, MalformedInputIsRejected)
{
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3"), 0), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3"), 2, 1), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3,4,5"), 0), BadValue);
    EXPECT_THROW(HexByteField(QString(), 0), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,zz,3,4"), 1), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,,3,4"), 1), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,0x1,3,4"), 1), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,-1,3,4"), 1), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3,4"), 4), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3,4"), -1, 0), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3,4"), 0, 256), BadValue);
    EXPECT_THROW(HexByteField(QStringLiteral("1,2,3,4"), 0, -1), BadValue);
}

} // namespace
