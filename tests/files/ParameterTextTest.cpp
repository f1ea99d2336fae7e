#include "files/ParameterText.h"

#include "files/ParameterFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Stored
{
    QByteArray record;
    const char* type;
    QString value;
};

QByteArray typed(quint16 type, const QByteArray& payload)
{
    return QByteArray(1, static_cast<char>(type)) + QByteArray(1, '\0') + payload;
}

QByteArray textRecord(const QByteArray& text)
{
    const auto size = static_cast<quint16>(text.size());
    return typed(8, QByteArray(1, static_cast<char>(size & 0xff)) +
                        QByteArray(1, static_cast<char>(size >> 8)) + text);
}

// Every type with the values where text and bits part most easily; records after these are empty.
const std::vector<Stored>& storedValues()
{
    static const std::vector<Stored> values = {
        {textRecord("say \"a,b\"\r\nnext\nline\rend"), "text",
         QStringLiteral("say \"a,b\"\r\nnext\nline\rend")},
        {textRecord(QByteArray("\x80\x81\x8d\x8f\x90\x9d\x9f\xff", 8)), "text",
         QStringLiteral("\u20ac\u0081\u008d\u008f\u0090\u009d\u0178\u00ff")},
        {textRecord(""), "text", QString()},
        {typed(0, {}), "empty", QString()},
        {typed(1, {}), "null", QString()},
        {typed(2, QByteArray("\x00\x80", 2)), "int16", QStringLiteral("-32768")},
        {typed(3, QByteArray("\xff\xff\xff\xff", 4)), "int32", QStringLiteral("-1")},
        {typed(16, QByteArray("\x80", 1)), "int8", QStringLiteral("-128")},
        {typed(17, QByteArray("\xff", 1)), "uint8", QStringLiteral("255")},
        {typed(18, QByteArray("\xff\xff", 2)), "uint16", QStringLiteral("65535")},
        {typed(19, QByteArray("\xff\xff\xff\xff", 4)), "uint32", QStringLiteral("4294967295")},
        {typed(20, QByteArray("\x00\x00\x00\x00\x00\x00\x00\x80", 8)), "int64",
         QStringLiteral("-9223372036854775808")},
        {typed(20, QByteArray("\xff\xff\xff\xff\xff\xff\xff\x7f", 8)), "int64",
         QStringLiteral("9223372036854775807")},
        {typed(21, QByteArray(8, '\xff')), "uint64", QStringLiteral("18446744073709551615")},
        {typed(11, QByteArray("\xff\xff", 2)), "boolean", QStringLiteral("true")},
        {typed(11, QByteArray("\x00\x00", 2)), "boolean", QStringLiteral("false")},
        {typed(11, QByteArray("\x01\x00", 2)), "boolean", QStringLiteral("1")},
        {typed(4, QByteArray("\xcd\xcc\xcc\x3d", 4)), "single", QStringLiteral("0.1")},
        {typed(4, QByteArray("\x00\x00\x00\x80", 4)), "single", QStringLiteral("-0")},
        {typed(4, QByteArray("\x01\x00\x00\x00", 4)), "single", QStringLiteral("1e-45")},
        {typed(4, QByteArray("\x00\x00\x80\x7f", 4)), "single", QStringLiteral("inf")},
        {typed(4, QByteArray("\x01\x00\xa0\x7f", 4)), "single", QStringLiteral("0x7fa00001")},
        {typed(5, QByteArray("\x9a\x99\x99\x99\x99\x99\xb9\x3f", 8)), "double", QStringLiteral("0.1")},
        {typed(5, QByteArray("\x00\x00\x00\x00\x00\x00\x00\x80", 8)), "double", QStringLiteral("-0")},
        {typed(5, QByteArray("\xff\xff\xff\xff\xff\xff\xef\x7f", 8)), "double",
         QStringLiteral("1.7976931348623157e+308")},
        {typed(5, QByteArray("\x00\x00\x00\x00\x00\x00\xf0\xff", 8)), "double", QStringLiteral("-inf")},
        {typed(5, QByteArray("\x23\x01\x00\x00\x00\x00\xf8\xff", 8)), "double",
         QStringLiteral("0xfff8000000000123")},
    };
    return values;
}

const QByteArray Trailing("\x08\x00\xff\xff\x00", 5);

QByteArray handMadeFile()
{
    QByteArray bytes;
    for (const Stored& stored : storedValues())
        bytes += stored.record;
    for (auto index = storedValues().size(); index < ParameterRecords::Count; ++index)
        bytes += typed(0, {});
    return bytes + Trailing;
}

class ParameterTextTest : public ::testing::Test
{
protected:
    static ParameterRecords parsed(const QByteArray& bytes)
    {
        const Expected<ParameterRecords> result = ParameterRecords::parse(bytes);
        EXPECT_TRUE(result) << result.error().toStdString();
        return result ? *result : ParameterRecords();
    }
    static void expectRoundTrips(const QByteArray& file)
    {
        const ParameterRecords records = parsed(file);
        ASSERT_EQ(records.compose(), file);
        const Expected<ParameterRecords> fromJson = ParameterText::fromJson(ParameterText::toJson(records));
        ASSERT_TRUE(fromJson) << fromJson.error().toStdString();
        EXPECT_EQ(fromJson->compose(), file);
        const Expected<ParameterRecords> fromCsv = ParameterText::fromCsv(ParameterText::toCsv(records));
        ASSERT_TRUE(fromCsv) << fromCsv.error().toStdString();
        EXPECT_EQ(fromCsv->compose(), file);
    }

    // The all-empty file's texts with record 5 given as `type` and `value`.
    static QByteArray jsonWithRecord5(const QString& type, const QString& value)
    {
        QJsonObject entry{
            {QStringLiteral("record"), 5}, {QStringLiteral("type"), type}, {QStringLiteral("value"), value}};
        return jsonWithEntry(4, entry);
    }
    static QByteArray jsonWithEntry(qsizetype at, const QJsonValue& entry)
    {
        QJsonObject document = QJsonDocument::fromJson(ParameterText::toJson(ParameterRecords())).object();
        QJsonArray entries = document.value(QStringLiteral("records")).toArray();
        if (entry.isUndefined())
            entries.removeAt(at);
        else
            entries.replace(at, entry);
        document.insert(QStringLiteral("records"), entries);
        return QJsonDocument(document).toJson();
    }
    static QByteArray csvWithLine(int line, const QString& row)
    {
        QStringList lines =
            QString::fromUtf8(ParameterText::toCsv(ParameterRecords())).split(QStringLiteral("\r\n"));
        lines[line - 1] = row;
        return lines.join(QStringLiteral("\r\n")).toUtf8();
    }
};

TEST_F(ParameterTextTest, EveryTypeReadsAsItsTextWhateverTheSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const ParameterRecords records = parsed(handMadeFile());
    const QJsonArray entries = QJsonDocument::fromJson(ParameterText::toJson(records))
                                   .object()
                                   .value(QStringLiteral("records"))
                                   .toArray();
    QLocale::setDefault(before);
    for (size_t index = 0; index < storedValues().size(); ++index) {
        const QJsonObject entry = entries.at(static_cast<qsizetype>(index)).toObject();
        const Stored& stored = storedValues().at(index);
        EXPECT_EQ(entry.value(QStringLiteral("record")).toInt(), static_cast<int>(index) + 1);
        EXPECT_EQ(entry.value(QStringLiteral("type")).toString(), QLatin1String(stored.type)) << index;
        EXPECT_EQ(entry.value(QStringLiteral("value")).toString(), stored.value) << index;
    }
    EXPECT_EQ(entries.at(2).toObject().value(QStringLiteral("point")).toString(),
              QStringLiteral("UCPTdiConfig"));
    EXPECT_EQ(entries.at(13).toObject().value(QStringLiteral("element")).toInt(), 11);
    EXPECT_TRUE(entries.at(14).toObject().value(QStringLiteral("element")).isUndefined());
    EXPECT_EQ(entries.at(18).toObject().value(QStringLiteral("point")).toString(),
              QStringLiteral("UCPTbacklightMax"));
}

TEST_F(ParameterTextTest, FilesGoThroughJsonAndCsvByteForByte)
{
    expectRoundTrips(handMadeFile());

    ParameterSet set;
    for (int position = 0; position < ParameterSet::Positions; ++position)
        set.values.at(position) = QStringLiteral("1,%1").arg(position);
    set.diConfig.at(3) = QStringLiteral("0x01 \u20ac");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.par"));
    ASSERT_TRUE(ParameterFile::write(path, set));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    expectRoundTrips(file.readAll());
}

TEST_F(ParameterTextTest, ValuesThatDoNotFitTheirTypeAreRefusedInBothForms)
{
    struct Case
    {
        const char* type;
        QString value;
        QString problem;
    };
    const std::vector<Case> cases = {
        {"int128", QStringLiteral("1"), QStringLiteral("the type \"int128\" is unknown")},
        {"int16", QStringLiteral("12a"), QStringLiteral("\"12a\" is not a value of type int16")},
        {"int16", QStringLiteral("1.5"), QStringLiteral("\"1.5\" is not a value of type int16")},
        {"uint32", QString(), QStringLiteral("\"\" is not a value of type uint32")},
        {"int8", QStringLiteral("128"), QStringLiteral("128 is out of the range of int8 (-128 to 127)")},
        {"int8", QStringLiteral("-129"), QStringLiteral("-129 is out of the range of int8 (-128 to 127)")},
        {"uint8", QStringLiteral("-1"), QStringLiteral("-1 is out of the range of uint8 (0 to 255)")},
        {"boolean", QStringLiteral("32768"),
         QStringLiteral("32768 is out of the range of boolean (-32768 to 32767)")},
        {"int64", QStringLiteral("-9223372036854775809"),
         QStringLiteral("-9223372036854775809 is out of the range of int64 (-9223372036854775808 to "
                        "9223372036854775807)")},
        {"uint64", QStringLiteral("18446744073709551616"),
         QStringLiteral("18446744073709551616 is out of the range of uint64 (0 to 18446744073709551615)")},
        {"single", QStringLiteral("1e39"), QStringLiteral("1e39 is out of the range of single")},
        {"double", QStringLiteral("1,5"), QStringLiteral("\"1,5\" is not a value of type double")},
        {"single", QStringLiteral("0x123456789"),
         QStringLiteral("\"0x123456789\" is not the hex bits of a single value")},
        {"double", QStringLiteral("0xfg"), QStringLiteral("\"0xfg\" is not the hex bits of a double value")},
        {"empty", QStringLiteral("5"), QStringLiteral("a record of type empty holds no value, not \"5\"")},
        {"text", QStringLiteral("20 \u2103"),
         QStringLiteral("the character \"\u2103\" (U+2103) has no place in Windows-1252")},
        {"text", QString(65536, QLatin1Char('x')),
         QStringLiteral("the text is 65536 bytes long, a record holds at most 65535")},
        {"text", QStringLiteral("20") + QChar(0) + QStringLiteral("5"),
         QStringLiteral("the value holds a NUL character")},
    };
    for (const Case& c : cases) {
        const QString type = QString::fromLatin1(c.type);
        EXPECT_EQ(ParameterText::fromJson(jsonWithRecord5(type, c.value)).error(),
                  QStringLiteral("Record 5: %1.").arg(c.problem));
        const QString row = QStringLiteral("5,x,,%1,\"%2\"").arg(type, c.value);
        EXPECT_EQ(ParameterText::fromCsv(csvWithLine(6, row)).error(),
                  QStringLiteral("Line 6, record 5: %1.").arg(c.problem));
    }
}

TEST_F(ParameterTextTest, MalformedJsonIsRefusedWithItsPlace)
{
    const QByteArray good = ParameterText::toJson(ParameterRecords());
    QByteArray badTrailing = good;
    badTrailing.replace("\"trailing\": \"\"", "\"trailing\": \"abc\"");
    struct Case
    {
        QByteArray json;
        QString error;
    };
    const std::vector<Case> cases = {
        {"{\"records\": [", QStringLiteral("The text is not JSON: unterminated array at byte 13.")},
        {"[]", QStringLiteral("The JSON text has no array \"records\".")},
        {jsonWithEntry(4, QJsonValue(QJsonValue::Undefined)), QStringLiteral("Record 5 is missing.")},
        {jsonWithEntry(
             5, QJsonObject{{QStringLiteral("record"), 5}, {QStringLiteral("type"), QStringLiteral("null")}}),
         QStringLiteral("Record 5 is given more than once.")},
        {jsonWithEntry(4, 5), QStringLiteral("Entry 5 of \"records\" is not an object.")},
        {jsonWithEntry(4, QJsonObject{{QStringLiteral("record"), 79}}),
         QStringLiteral("Entry 5 of \"records\" has no record number from 1 to 78.")},
        {jsonWithEntry(4, QJsonObject{{QStringLiteral("record"), 4.5}}),
         QStringLiteral("Entry 5 of \"records\" has no record number from 1 to 78.")},
        {jsonWithEntry(4, QJsonObject{{QStringLiteral("record"), 5}}),
         QStringLiteral("Record 5 has no type.")},
        // A text without its value would become "" without a word.
        {jsonWithEntry(
             4, QJsonObject{{QStringLiteral("record"), 5}, {QStringLiteral("type"), QStringLiteral("text")}}),
         QStringLiteral("Record 5 has no value.")},
        // The JSON reader would keep one of the two and drop the other.
        {QByteArray(good).replace("\"type\": \"empty\",", "\"type\": \"empty\", \"type\": \"text\","),
         QStringLiteral("Line 6: the key \"type\" is given twice in one object.")},
        {QByteArray(good).replace("\"records\"", "\"rec\\u006frds\": [], \"records\""),
         QStringLiteral("Line 2: the key \"records\" is given twice in one object.")},
        {jsonWithEntry(4, QJsonObject{{QStringLiteral("record"), 5},
                                      {QStringLiteral("type"), QStringLiteral("int8")},
                                      {QStringLiteral("value"), 5}}),
         QStringLiteral("Record 5: the value is not a JSON string.")},
        {badTrailing,
         QStringLiteral("In the JSON text, the trailing bytes \"abc\" are not hex, two digits a byte.")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParameterText::fromJson(c.json).error(), c.error) << c.json.left(200).toStdString();
}

TEST_F(ParameterTextTest, MalformedCsvIsRefusedWithItsLine)
{
    QByteArray twice = csvWithLine(80, QStringLiteral("trailing,,,,00"));
    twice += "trailing,,,,00\r\n";
    struct Case
    {
        QByteArray csv;
        QString error;
    };
    const std::vector<Case> cases = {
        {QByteArray(), QStringLiteral("Line 1: the CSV text does not start with the header "
                                      "record,point,element,type,value.")},
        {csvWithLine(6, QString()), QStringLiteral("Record 5 is missing.")},
        {csvWithLine(6, QStringLiteral("4,x,,empty,")),
         QStringLiteral("Line 6: record 4 is given more than once.")},
        {csvWithLine(6, QStringLiteral("5,x,empty,")),
         QStringLiteral("Line 6: 4 fields where a row has 5 (record,point,element,type,value).")},
        {csvWithLine(6, QStringLiteral("0,x,,empty,")),
         QStringLiteral("Line 6: \"0\" is neither a record number from 1 to 78 nor \"trailing\".")},
        {csvWithLine(6, QStringLiteral("5,x,,text,\"open")),
         QStringLiteral("Line 6: a quoted field is not closed.")},
        {csvWithLine(6, QStringLiteral("5,x,,text,\"a\"c")),
         QStringLiteral("Line 6: text follows a closing quote.")},
        // The quote left open on line 6 is closed by the first quote of line 7.
        {csvWithLine(6, QStringLiteral("5,x,,text,\"a\n6,x,,text,\"b\"")),
         QStringLiteral("Line 6: the quoted field that starts here is not closed (the quote on line 7 is "
                        "followed by text).")},
        {QByteArray("record;point;element;type;value\r\n"),
         QStringLiteral("Line 1: the fields are separated by semicolons; they must be separated by commas "
                        "(record,point,element,type,value).")},
        {csvWithLine(6, QStringLiteral("5;x;;text;\"1,5\"")),
         QStringLiteral("Line 6: the fields are separated by semicolons; they must be separated by commas.")},
        {csvWithLine(6, QStringLiteral("5;x;;text;15")),
         QStringLiteral("Line 6: the fields are separated by semicolons; they must be separated by commas.")},
        {csvWithLine(6, QStringLiteral("5,x,,text,a\"b")),
         QStringLiteral("Line 6: a quote in a field that does not start with one.")},
        {csvWithLine(80, QStringLiteral("trailing,,,,0g")),
         QStringLiteral("Line 80: the trailing bytes \"0g\" are not hex, two digits a byte.")},
        {twice, QStringLiteral("Line 81: the trailing bytes are given more than once.")},
        {QByteArray("record,point,element,type,value\r\n1,x,,text,\xff\r\n"),
         QStringLiteral("The CSV text is not UTF-8.")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParameterText::fromCsv(c.csv).error(), c.error) << c.csv.left(200).toStdString();
}

} // namespace
