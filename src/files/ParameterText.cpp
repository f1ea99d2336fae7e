#include "files/ParameterText.h"

#include "device/point_catalogue/PointTables.h"
#include "files/Csv.h"
#include "files/Windows1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using Record = ParameterRecords::Record;
using Type = ParameterRecords::Type;

struct TypeName
{
    Type type;
    const char* name;
};

constexpr std::array<TypeName, 14> TypeNames = {{{Type::Empty, "empty"},
                                                 {Type::Null, "null"},
                                                 {Type::Int16, "int16"},
                                                 {Type::Int32, "int32"},
                                                 {Type::Single, "single"},
                                                 {Type::Double, "double"},
                                                 {Type::Text, "text"},
                                                 {Type::Boolean, "boolean"},
                                                 {Type::Int8, "int8"},
                                                 {Type::UInt8, "uint8"},
                                                 {Type::UInt16, "uint16"},
                                                 {Type::UInt32, "uint32"},
                                                 {Type::Int64, "int64"},
                                                 {Type::UInt64, "uint64"}}};

const QString CsvHeader = QStringLiteral("record,point,element,type,value");
const QString TrailingRow = QStringLiteral("trailing");

QString typeName(Type type)
{
    for (const TypeName& known : TypeNames) {
        if (known.type == type)
            return QString::fromLatin1(known.name);
    }
    return QString::number(static_cast<quint16>(type));
}

std::optional<Type> typeNamed(const QString& name)
{
    for (const TypeName& known : TypeNames) {
        if (name.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0)
            return known.type;
    }
    return std::nullopt;
}

bool isUnsigned(Type type)
{
    return type == Type::UInt8 || type == Type::UInt16 || type == Type::UInt32 || type == Type::UInt64;
}

quint64 widthMask(Type type)
{
    const int width = ParameterRecords::width(type);
    return width == 8 ? ~quint64{0} : (quint64{1} << (8 * width)) - 1;
}

QString hexBits(quint64 bits, int width)
{
    return QStringLiteral("0x%1").arg(bits, 2 * width, 16, QLatin1Char('0'));
}

// The shortest text that reads back to the same bits; a NaN keeps its payload as hex bits.
template <typename Floating, typename Bits> QString floatingText(Bits bits)
{
    const auto value = std::bit_cast<Floating>(bits);
    if (std::isnan(value))
        return hexBits(bits, sizeof(Bits));
    char text[64];
    const std::to_chars_result written = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, written.ptr - text);
}

QString valueText(const Record& record)
{
    switch (record.type) {
    case Type::Empty:
    case Type::Null:
        return QString();
    case Type::Text:
        return windows1252::decode(record.text);
    case Type::Single:
        return floatingText<float>(static_cast<quint32>(record.bits));
    case Type::Double:
        return floatingText<double>(record.bits);
    case Type::Boolean:
        if (record.signedValue() == -1)
            return QStringLiteral("true");
        if (record.signedValue() == 0)
            return QStringLiteral("false");
        return QString::number(record.signedValue());
    default:
        return isUnsigned(record.type) ? QString::number(record.bits) : QString::number(record.signedValue());
    }
}

QString notOfType(const QString& text, Type type)
{
    return QStringLiteral("\"%1\" is not a value of type %2").arg(text, typeName(type));
}

// Decimal integers in the range of the type.
Expected<void> readInteger(const QString& text, Record& record)
{
    static const QRegularExpression Decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!Decimal.match(text).hasMatch())
        return Failure{notOfType(text, record.type)};
    const bool negative = text.startsWith(QLatin1Char('-'));
    const int bits = 8 * ParameterRecords::width(record.type);
    const bool isSigned = !isUnsigned(record.type);
    const quint64 highest = isSigned ? (quint64{1} << (bits - 1)) - 1 : widthMask(record.type);
    const quint64 lowestMagnitude = isSigned ? quint64{1} << (bits - 1) : 0;
    bool ok = false;
    const quint64 magnitude = QStringView(text).mid(text.front().isDigit() ? 0 : 1).toULongLong(&ok, 10);
    if (!ok || magnitude > (negative ? lowestMagnitude : highest)) {
        const QString lowest = isSigned ? QStringLiteral("-%1").arg(lowestMagnitude) : QStringLiteral("0");
        return Failure{QStringLiteral("%1 is out of the range of %2 (%3 to %4)")
                           .arg(text, typeName(record.type), lowest, QString::number(highest))};
    }
    record.bits = (negative ? quint64{0} - magnitude : magnitude) & widthMask(record.type);
    return {};
}

template <typename Floating, typename Bits> Expected<void> readFloating(const QString& text, Record& record)
{
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        static const QRegularExpression Hex(QStringLiteral("^[0-9A-Fa-f]+$"));
        const QString digits = text.mid(2);
        if (!Hex.match(digits).hasMatch() || digits.size() > 2 * static_cast<qsizetype>(sizeof(Bits)))
            return Failure{
                QStringLiteral("\"%1\" is not the hex bits of a %2 value").arg(text, typeName(record.type))};
        record.bits = digits.toULongLong(nullptr, 16);
        return {};
    }
    // from_chars takes no plus sign.
    const QString unsignedText =
        text.startsWith(QLatin1Char('+')) && !text.startsWith(QStringLiteral("+-")) ? text.mid(1) : text;
    const QByteArray latin = unsignedText.toLatin1();
    Floating value = 0;
    const std::from_chars_result read = std::from_chars(latin.cbegin(), latin.cend(), value);
    if (latin.isEmpty() || read.ptr != latin.cend() || read.ec == std::errc::invalid_argument)
        return Failure{notOfType(text, record.type)};
    if (read.ec == std::errc::result_out_of_range)
        return Failure{QStringLiteral("%1 is out of the range of %2").arg(text, typeName(record.type))};
    record.bits = std::bit_cast<Bits>(value);
    return {};
}

Expected<void> readText(const QString& text, Record& record)
{
    // No device value holds one; a NUL would cut the text short in the device's string.
    if (text.contains(QChar(0)))
        return Failure{QStringLiteral("the value holds a NUL character")};
    const std::optional<QByteArray> bytes = windows1252::encode(text);
    if (!bytes) {
        for (const char32_t code : text.toUcs4()) {
            const QString character = QString::fromUcs4(&code, 1);
            if (!windows1252::encode(character))
                return Failure{QStringLiteral("the character \"%1\" (U+%2) has no place in Windows-1252")
                                   .arg(character, QString::number(code, 16).toUpper().rightJustified(
                                                       4, QLatin1Char('0')))};
        }
        return Failure{QStringLiteral("the text has characters that have no place in Windows-1252")};
    }
    if (bytes->size() > ParameterRecords::MaxTextBytes)
        return Failure{QStringLiteral("the text is %1 bytes long, a record holds at most %2")
                           .arg(bytes->size())
                           .arg(ParameterRecords::MaxTextBytes)};
    record.text = *bytes;
    return {};
}

// Fills the value of a record whose type is set, unless the value does not fit it.
Expected<void> readValue(const QString& text, Record& record)
{
    const QString trimmed = text.trimmed();
    switch (record.type) {
    case Type::Empty:
    case Type::Null:
        if (!text.isEmpty())
            return Failure{QStringLiteral("a record of type %1 holds no value, not \"%2\"")
                               .arg(typeName(record.type), text)};
        return {};
    case Type::Text:
        return readText(text, record);
    case Type::Single:
        return readFloating<float, quint32>(trimmed, record);
    case Type::Double:
        return readFloating<double, quint64>(trimmed, record);
    case Type::Boolean:
        if (trimmed.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) {
            record.bits = 0xffff;
            return {};
        }
        if (trimmed.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) {
            record.bits = 0;
            return {};
        }
        return readInteger(trimmed, record);
    default:
        return readInteger(trimmed, record);
    }
}

std::optional<QByteArray> bytesOfHex(const QString& hex)
{
    static const QRegularExpression Pairs(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!Pairs.match(hex).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(hex.toLatin1());
}

QString trailingNotHex(const QString& hex)
{
    return QStringLiteral("the trailing bytes \"%1\" are not hex, two digits a byte").arg(hex);
}

// Gathers the records as they are read, in any order, and checks that each comes exactly once.
class Collector final
{
public:
    // `line` is the line of a CSV row, 0 for JSON.
    Expected<void> add(int number, const QString& type, const QString& value, int line)
    {
        const QString where = line > 0 ? QStringLiteral("Line %1, record %2").arg(line).arg(number)
                                       : QStringLiteral("Record %1").arg(number);
        bool& seen = m_seen.at(static_cast<size_t>(number - 1));
        if (seen)
            return Failure{
                line > 0 ? QStringLiteral("Line %1: record %2 is given more than once.").arg(line).arg(number)
                         : QStringLiteral("%1 is given more than once.").arg(where)};
        seen = true;
        Record& record = m_records.records.at(static_cast<size_t>(number - 1));
        const std::optional<Type> known = typeNamed(type);
        if (!known)
            return Failure{QStringLiteral("%1: the type \"%2\" is unknown.").arg(where, type)};
        record.type = *known;
        if (const Expected<void> read = readValue(value, record); !read)
            return Failure{QStringLiteral("%1: %2.").arg(where, read.error())};
        return {};
    }
    void setTrailing(const QByteArray& bytes) { m_records.trailing = bytes; }

    Expected<ParameterRecords> finish()
    {
        for (size_t index = 0; index < m_seen.size(); ++index) {
            if (!m_seen.at(index))
                return Failure{QStringLiteral("Record %1 is missing.").arg(index + 1)};
        }
        return m_records;
    }

private:
    ParameterRecords m_records;
    std::array<bool, ParameterRecords::Count> m_seen{};
};

QString pointName(int index)
{
    return QString::fromLatin1(
        point_catalogue::cpDefinition(ParameterRecords::location(index).position).name);
}

// The JSON reader keeps one of two equal keys of an object and drops the other without a word;
// a record edited by hand must not lose its value that way. `json` is valid JSON; it fails when an
// object has a key twice.
Expected<void> distinctKeys(const QByteArray& json)
{
    struct Level
    {
        bool object = false;
        bool expectKey = false;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    int line = 1;
    for (qsizetype at = 0; at < json.size(); ++at) {
        const char c = json.at(at);
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            levels.push_back({c == '{', c == '{', {}});
        } else if (c == '}' || c == ']') {
            levels.pop_back();
        } else if (c == ',' && !levels.empty() && levels.back().object) {
            levels.back().expectKey = true;
        } else if (c == '"') {
            const qsizetype start = at;
            for (++at; json.at(at) != '"'; ++at) {
                if (json.at(at) == '\\')
                    ++at;
            }
            if (levels.empty() || !levels.back().expectKey)
                continue;
            levels.back().expectKey = false;
            const QByteArray token = json.mid(start, at - start + 1);
            // Escapes are rare in keys; the JSON reader decodes them.
            const QString key = token.contains('\\')
                                    ? QJsonDocument::fromJson("[" + token + "]").array().at(0).toString()
                                    : QString::fromUtf8(token.mid(1, token.size() - 2));
            if (levels.back().keys.contains(key))
                return Failure{QStringLiteral("Line %1: the key \"%2\" is given twice in one object.")
                                   .arg(line)
                                   .arg(key)};
            levels.back().keys.insert(key);
        }
    }
    return {};
}

std::optional<int> csvRecordNumber(const QString& text)
{
    static const QRegularExpression Digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!Digits.match(text).hasMatch())
        return std::nullopt;
    const int number = text.toInt();
    if (number < 1 || number > ParameterRecords::Count)
        return std::nullopt;
    return number;
}

} // namespace

QByteArray ParameterText::toJson(const ParameterRecords& records)
{
    QJsonArray entries;
    for (int index = 0; index < ParameterRecords::Count; ++index) {
        const Record& record = records.records.at(static_cast<size_t>(index));
        QJsonObject entry;
        entry.insert(QStringLiteral("record"), index + 1);
        entry.insert(QStringLiteral("point"), pointName(index));
        const int element = ParameterRecords::location(index).element;
        if (element >= 0)
            entry.insert(QStringLiteral("element"), element);
        entry.insert(QStringLiteral("type"), typeName(record.type));
        entry.insert(QStringLiteral("value"), valueText(record));
        entries.append(entry);
    }
    QJsonObject document;
    document.insert(QStringLiteral("records"), entries);
    document.insert(QStringLiteral("trailing"), QString::fromLatin1(records.trailing.toHex()));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray ParameterText::toCsv(const ParameterRecords& records)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = CsvHeader + lineEnd;
    for (int index = 0; index < ParameterRecords::Count; ++index) {
        const Record& record = records.records.at(static_cast<size_t>(index));
        const int element = ParameterRecords::location(index).element;
        const QStringList fields = {QString::number(index + 1), pointName(index),
                                    element >= 0 ? QString::number(element) : QString(),
                                    typeName(record.type), valueText(record)};
        text += csv::line(fields) + lineEnd;
    }
    text += TrailingRow + QStringLiteral(",,,,") + QString::fromLatin1(records.trailing.toHex()) + lineEnd;
    return text.toUtf8();
}

Expected<ParameterRecords> ParameterText::fromJson(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure{QStringLiteral("The text is not JSON: %1 at byte %2.")
                           .arg(parseError.errorString())
                           .arg(parseError.offset)};
    if (const Expected<void> distinct = distinctKeys(json); !distinct)
        return Failure{distinct.error()};
    const QJsonValue entries = document.object().value(QStringLiteral("records"));
    if (!document.isObject() || !entries.isArray())
        return Failure{QStringLiteral("The JSON text has no array \"records\".")};

    Collector collector;
    const QJsonArray array = entries.toArray();
    for (qsizetype position = 0; position < array.size(); ++position) {
        const QString where = QStringLiteral("Entry %1 of \"records\"").arg(position + 1);
        if (!array.at(position).isObject())
            return Failure{QStringLiteral("%1 is not an object.").arg(where)};
        const QJsonObject entry = array.at(position).toObject();
        const double number = entry.value(QStringLiteral("record")).toDouble(-1);
        if (number < 1 || number > ParameterRecords::Count || number != std::floor(number))
            return Failure{QStringLiteral("%1 has no record number from 1 to %2.")
                               .arg(where)
                               .arg(ParameterRecords::Count)};
        const auto recordNumber = static_cast<int>(number);
        const QString record = QStringLiteral("Record %1").arg(recordNumber);
        const QJsonValue type = entry.value(QStringLiteral("type"));
        const QJsonValue value = entry.value(QStringLiteral("value"));
        if (!type.isString())
            return Failure{QStringLiteral("%1 has no type.").arg(record)};
        // Only the records without a value may leave it out; a text would silently become "".
        const std::optional<Type> typed = typeNamed(type.toString());
        if (value.isUndefined() && typed && *typed != Type::Empty && *typed != Type::Null)
            return Failure{QStringLiteral("%1 has no value.").arg(record)};
        if (!value.isUndefined() && !value.isString())
            return Failure{QStringLiteral("%1: the value is not a JSON string.").arg(record)};
        if (const Expected<void> added = collector.add(recordNumber, type.toString(), value.toString(), 0);
            !added)
            return Failure{added.error()};
    }
    const QJsonValue trailing = document.object().value(QStringLiteral("trailing"));
    if (!trailing.isUndefined()) {
        if (!trailing.isString())
            return Failure{QStringLiteral("The trailing bytes are not a JSON string.")};
        const std::optional<QByteArray> bytes = bytesOfHex(trailing.toString());
        if (!bytes)
            return Failure{QStringLiteral("In the JSON text, %1.").arg(trailingNotHex(trailing.toString()))};
        collector.setTrailing(*bytes);
    }
    return collector.finish();
}

Expected<ParameterRecords> ParameterText::fromCsv(const QByteArray& csv)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(csv);
    if (utf8.hasError())
        return Failure{QStringLiteral("The CSV text is not UTF-8.")};
    // A spreadsheet set to a German locale saves its CSV with semicolons.
    const QString firstLine = text.left(text.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
    if (firstLine.contains(QLatin1Char(';')) &&
        firstLine.split(QLatin1Char(';')).join(QLatin1Char(',')) == CsvHeader)
        return Failure{QStringLiteral("Line 1: the fields are separated by semicolons; they must be "
                                      "separated by commas (%1).")
                           .arg(CsvHeader)};
    const Expected<std::vector<csv::Row>> parsed = csv::rows(text);
    if (!parsed)
        return Failure{parsed.error()};
    const std::vector<csv::Row>& rows = *parsed;
    if (rows.empty() || rows.front().fields.join(QLatin1Char(',')) != CsvHeader)
        return Failure{
            QStringLiteral("Line 1: the CSV text does not start with the header %1.").arg(CsvHeader)};

    Collector collector;
    bool trailingSeen = false;
    for (size_t position = 1; position < rows.size(); ++position) {
        const csv::Row& row = rows.at(position);
        const QString line = QStringLiteral("Line %1").arg(row.line);
        if (row.fields.size() == 1 && row.fields.front().contains(QLatin1Char(';')))
            return Failure{
                QStringLiteral(
                    "%1: the fields are separated by semicolons; they must be separated by commas.")
                    .arg(line)};
        if (row.fields.size() != 5)
            return Failure{QStringLiteral("%1: %2 fields where a row has 5 (%3).")
                               .arg(line)
                               .arg(row.fields.size())
                               .arg(CsvHeader)};
        const QString& value = row.fields.at(4);
        if (row.fields.front() == TrailingRow) {
            const std::optional<QByteArray> bytes = bytesOfHex(value);
            if (trailingSeen)
                return Failure{QStringLiteral("%1: the trailing bytes are given more than once.").arg(line)};
            if (!bytes)
                return Failure{QStringLiteral("%1: %2.").arg(line, trailingNotHex(value))};
            trailingSeen = true;
            collector.setTrailing(*bytes);
            continue;
        }
        const std::optional<int> number = csvRecordNumber(row.fields.front());
        if (!number)
            return Failure{QStringLiteral("%1: \"%2\" is neither a record number from 1 to %3 nor \"%4\".")
                               .arg(line, row.fields.front())
                               .arg(ParameterRecords::Count)
                               .arg(TrailingRow)};
        if (const Expected<void> added = collector.add(*number, row.fields.at(3), value, row.line); !added)
            return Failure{added.error()};
    }
    return collector.finish();
}
