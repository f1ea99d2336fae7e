#include "files/ParameterFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A record written by hand: type code, and for text the count and the bytes.
QByteArray textRecord(const QByteArray& text)
{
    QByteArray bytes("\x08\x00", 2);
    char length[2];
    qToLittleEndian(static_cast<quint16>(text.size()), length);
    bytes.append(length, 2);
    return bytes + text;
}

const QByteArray EmptyRecord("\x00\x00", 2);

// 78 records: every record empty except the ones given by record number.
QByteArray fileOf(const std::map<int, QByteArray>& records)
{
    QByteArray bytes;
    for (int record = 0; record < ParameterFile::RecordCount; ++record) {
        const auto found = records.find(record);
        bytes += found == records.end() ? EmptyRecord : found->second;
    }
    return bytes;
}

ParameterSet fullSet(const QString& separator)
{
    ParameterSet set;
    for (int position = 0; position < ParameterSet::Positions; ++position)
        set.values.at(position) = QStringLiteral("1") + separator + QString::number(position);
    for (size_t element = 0; element < set.diConfig.size(); ++element)
        set.diConfig.at(element) = QStringLiteral("0x%1 00 00 00").arg(element);
    set.backlightMin = {QStringLiteral("10"), QStringLiteral("11")};
    set.backlightMax = {QStringLiteral("90"), QStringLiteral("91")};
    return set;
}

TEST(ParameterFileTest, RecordsLieInTheFixedOrder)
{
    ParameterSet set;
    set.values.at(0) = QStringLiteral("T0");
    set.values.at(1) = QStringLiteral("D");
    set.diConfig.at(0) = QStringLiteral("a");
    set.diConfig.at(11) = QStringLiteral("l");
    set.values.at(3) = QStringLiteral("C3");
    set.values.at(4) = QStringLiteral("4");
    set.backlightMin.at(1) = QStringLiteral("m");
    set.backlightMax.at(0) = QStringLiteral("x");
    set.values.at(7) = QStringLiteral("7");
    set.values.at(64) = QStringLiteral("\u00e4\u20ac");
    const QByteArray expected = fileOf({{0, textRecord("T0")},
                                        {1, textRecord("D")},
                                        {2, textRecord("a")},
                                        {13, textRecord("l")},
                                        {14, textRecord("C3")},
                                        {15, textRecord("4")},
                                        {17, textRecord("m")},
                                        {18, textRecord("x")},
                                        {20, textRecord("7")},
                                        {77, textRecord("\xe4\x80")}});
    const Expected<QByteArray> encoded = ParameterFile::encode(set);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, expected);

    const Expected<ParameterSet> decoded = ParameterFile::decode(expected, QStringLiteral("."));
    ASSERT_TRUE(decoded) << decoded.error().toStdString();
    EXPECT_EQ(decoded->values.at(64), QStringLiteral("\u00e4\u20ac"));
    EXPECT_EQ(decoded->diConfig.at(11), QStringLiteral("l"));
    EXPECT_FALSE(decoded->values.at(2).has_value());
    EXPECT_FALSE(decoded->values.at(63).has_value());
}

TEST(ParameterFileTest, SaveLoadSaveGivesTheSameBytes)
{
    const QByteArray first = ParameterFile::encode(fullSet(QStringLiteral(","))).value();
    const Expected<ParameterSet> decoded = ParameterFile::decode(first, QStringLiteral("."));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(ParameterFile::encode(*decoded).value(), first);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.par"));
    ASSERT_TRUE(ParameterFile::write(path, *decoded));
    const Expected<ParameterSet> reread = ParameterFile::read(path, QStringLiteral(","));
    ASSERT_TRUE(reread);
    EXPECT_EQ(ParameterFile::encode(*reread).value(), first);
}

TEST(ParameterFileTest, NumericRecordsReadAsText)
{
    struct Case
    {
        QByteArray record;
        QString text;
    };
    const std::vector<Case> cases = {
        {QByteArray("\x02\x00\xfe\xff", 4), QStringLiteral("-2")},
        {QByteArray("\x03\x00\x40\x42\x0f\x00", 6), QStringLiteral("1000000")},
        {QByteArray("\x04\x00\x00\x00\xc0\x3f", 6), QStringLiteral("1,5")},
        {QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x04\xc0", 10), QStringLiteral("-2,5")},
        {QByteArray("\x0b\x00\xff\xff", 4), QStringLiteral("True")},
        {QByteArray("\x0b\x00\x00\x00", 4), QStringLiteral("False")},
        {QByteArray("\x11\x00\xc8", 3), QStringLiteral("200")},
    };
    for (const Case& c : cases) {
        const Expected<ParameterSet> decoded =
            ParameterFile::decode(fileOf({{20, c.record}}), QStringLiteral(","));
        ASSERT_TRUE(decoded) << c.text.toStdString();
        EXPECT_EQ(decoded->values.at(7), c.text);
    }
}

TEST(ParameterFileTest, BadFilesAreRefusedWhole)
{
    const QByteArray good = fileOf({{0, textRecord("abc")}});
    struct Case
    {
        const char* what;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray()},
        {"one record short", good.left(good.size() - 2)},
        {"half a type code", good.left(good.size() - 1)},
        {"text past the end", fileOf({}).left(77 * 2) + QByteArray("\x08\x00\x05\x00"
                                                                   "ab",
                                                                   6)},
        {"text without its count", fileOf({}).left(77 * 2) + QByteArray("\x08\x00", 2)},
        {"unknown type", fileOf({{5, QByteArray("\x09\x00", 2)}})},
        {"number past the end", fileOf({}).left(77 * 2) + QByteArray("\x05\x00\x01\x02", 4)},
        {"a NUL in a text", fileOf({{0, textRecord("abc")},
                                    {3, textRecord(QByteArray("2\0"
                                                              "5",
                                                              3))}})},
        {"more trailing bytes than another file holds",
         good + QByteArray(ParameterRecords::MaxTrailingBytes + 1, '\0')},
    };
    for (const Case& c : cases) {
        const Expected<ParameterSet> decoded = ParameterFile::decode(c.bytes, QStringLiteral("."));
        EXPECT_FALSE(decoded.error().isEmpty()) << c.what;
        EXPECT_FALSE(decoded.has_value()) << c.what;
    }
    // Bytes after the last record are left from an older, longer file.
    const Expected<ParameterSet> trailing =
        ParameterFile::decode(good + QByteArray("\x08\x00\xff\xff", 4), QStringLiteral("."));
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->values.at(0), QStringLiteral("abc"));
    EXPECT_TRUE(ParameterFile::decode(good + QByteArray(ParameterRecords::MaxTrailingBytes, '\0'),
                                      QStringLiteral("."))
                    .has_value());

    // A file far larger than any parameter file is refused before it is read.
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.par")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(good);
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));
    huge.close();
    const Expected<ParameterSet> read = ParameterFile::read(huge.fileName(), QStringLiteral("."));
    EXPECT_TRUE(read.error().contains(QStringLiteral("is not a parameter file")))
        << read.error().toStdString();
}

TEST(ParameterFileTest, TextOutsideTheCodePageIsRefused)
{
    ParameterSet set;
    set.values.at(9) = QStringLiteral("20 \u2103");
    const Expected<QByteArray> encoded = ParameterFile::encode(set);
    EXPECT_FALSE(encoded.has_value());
    EXPECT_TRUE(encoded.error().contains(QStringLiteral("20 \u2103")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.par"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_FALSE(ParameterFile::write(path, set));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));

    set.values.at(9) = QString(70000, QLatin1Char('x'));
    EXPECT_FALSE(ParameterFile::encode(set).error().isEmpty());
}

TEST(ParameterFileTest, ForeignSeparatorIsConvertedFromPositionFour)
{
    struct Case
    {
        QString probe;
        QString system;
        bool foreign;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("1,5"), QStringLiteral("."), true},
        {QStringLiteral("1.5"), QStringLiteral(","), true},
        {QStringLiteral("1.5"), QStringLiteral("."), false},
        {QStringLiteral("2"), QStringLiteral("."), false},
    };
    for (const Case& c : cases) {
        ParameterSet set =
            fullSet(c.system == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral("."));
        set.values.at(ParameterSet::SeparatorProbePosition) = c.probe;
        EXPECT_EQ(set.isForeign(c.system), c.foreign) << c.probe.toStdString();
        const bool foreign = set.isForeign(c.system);
        const QString other = c.system == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
        EXPECT_EQ(set.loadedText(9, foreign, c.system),
                  QStringLiteral("1") + (foreign ? c.system : other) + QStringLiteral("9"));
        for (int never : {0, 1, 3})
            EXPECT_EQ(set.loadedText(never, foreign, c.system), *set.values.at(never));
    }
}

TEST(ParameterFileTest, ArrayCpsAreHeldAndShownByTheirElements)
{
    ParameterSet set;
    set.values.at(ParameterSet::SeparatorProbePosition) = QStringLiteral("1.5");
    set.backlightMin = {QStringLiteral("20.5"), QStringLiteral("80")};
    set.diConfig.at(0) = QStringLiteral("1 2.5");
    set.values.at(7) = QStringLiteral("7.5");

    EXPECT_TRUE(set.holds(point_catalogue::cp::BacklightMin));
    EXPECT_FALSE(set.holds(point_catalogue::cp::BacklightMax)) << "no first element, nothing held";
    EXPECT_TRUE(set.holds(point_catalogue::cp::DiConfig));
    EXPECT_FALSE(set.holds(8));
    EXPECT_EQ(set.elements(7).size(), 0U);
    EXPECT_EQ(set.elements(point_catalogue::cp::DiConfig).size(), 12U);

    const bool foreign = set.isForeign(QStringLiteral(","));
    ASSERT_TRUE(foreign);
    EXPECT_EQ(set.displayText(point_catalogue::cp::BacklightMin, foreign, QStringLiteral(",")),
              QStringLiteral("20,5 | 80"));
    EXPECT_EQ(set.loadedElements(point_catalogue::cp::DiConfig, foreign, QStringLiteral(",")).front(),
              QStringLiteral("1 2.5"))
        << "the first CPs are never numbers";
    EXPECT_EQ(set.displayText(7, foreign, QStringLiteral(",")), QStringLiteral("7,5"));
}

} // namespace
