#include "files/ParameterRecords.h"

#include "files/ParameterSet.h"

#include <QtEndian>
#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace {

class Reader final
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool has(qsizetype count) const { return m_bytes.size() - m_offset >= count; }

    quint16 takeUInt16()
    {
        const auto value = qFromLittleEndian<quint16>(m_bytes.constData() + m_offset);
        m_offset += 2;
        return value;
    }
    quint64 takeNumber(int width)
    {
        quint64 value = 0;
        for (int byte = 0; byte < width; ++byte)
            value |= quint64{static_cast<unsigned char>(m_bytes.at(m_offset + byte))} << (8 * byte);
        m_offset += width;
        return value;
    }
    QByteArray takeBytes(qsizetype count)
    {
        const QByteArray part = m_bytes.mid(m_offset, count);
        m_offset += count;
        return part;
    }
    QByteArray rest() const { return m_bytes.mid(m_offset); }

private:
    const QByteArray& m_bytes;
    qsizetype m_offset = 0;
};

void appendUInt16(QByteArray& bytes, quint16 value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

Failure refused(int index, const QString& problem)
{
    return Failure{
        QStringLiteral("The file is not a parameter file: record %1 %2.").arg(index + 1).arg(problem)};
}

static_assert(ParameterRecords::Count == ParameterSet::Positions - 3 +
                                             std::tuple_size_v<decltype(ParameterSet::diConfig)> +
                                             std::tuple_size_v<decltype(ParameterSet::backlightMin)> +
                                             std::tuple_size_v<decltype(ParameterSet::backlightMax)>,
              "a record for each plain CP and each element of the array CPs");

const std::array<ParameterRecords::Location, ParameterRecords::Count>& locations()
{
    static const std::array<ParameterRecords::Location, ParameterRecords::Count> table = [] {
        std::array<ParameterRecords::Location, ParameterRecords::Count> built{};
        size_t index = 0;
        // The array CPs take one record per element, in the place of the CP.
        for (int position = 0; position < ParameterSet::Positions; ++position) {
            const int elements = point_catalogue::cp::elements(position);
            if (elements == 1)
                built.at(index++) = {position, -1};
            else
                for (int element = 0; element < elements; ++element)
                    built.at(index++) = {position, element};
        }
        return built;
    }();
    return table;
}

} // namespace

qint64 ParameterRecords::Record::signedValue() const
{
    const int bytes = width(type);
    if (bytes == 0)
        return 0;
    const int unused = 64 - 8 * bytes;
    return static_cast<qint64>(bits << unused) >> unused;
}

Expected<ParameterRecords> ParameterRecords::parse(const QByteArray& bytes)
{
    ParameterRecords result;
    Reader reader(bytes);
    for (int index = 0; index < Count; ++index) {
        if (!reader.has(2))
            return refused(index, QStringLiteral("is missing"));
        const quint16 code = reader.takeUInt16();
        if (!isKnown(code))
            return refused(index, QStringLiteral("has the unknown type %1").arg(code));
        Record& record = result.records.at(static_cast<size_t>(index));
        record.type = static_cast<Type>(code);
        if (record.type == Type::Text) {
            const bool lengthThere = reader.has(2);
            const quint16 length = lengthThere ? reader.takeUInt16() : 0;
            if (!lengthThere || !reader.has(length))
                return refused(index, QStringLiteral("runs past the end of the file"));
            record.text = reader.takeBytes(length);
            continue;
        }
        const int bytesWide = width(record.type);
        if (!reader.has(bytesWide))
            return refused(index, QStringLiteral("runs past the end of the file"));
        record.bits = reader.takeNumber(bytesWide);
    }
    result.trailing = reader.rest();
    if (result.trailing.size() > MaxTrailingBytes)
        return Failure{QStringLiteral("The file is not a parameter file: %1 bytes follow the last record, "
                                      "a parameter file has at most %2 there.")
                           .arg(result.trailing.size())
                           .arg(MaxTrailingBytes)};
    return result;
}

QByteArray ParameterRecords::compose() const
{
    QByteArray bytes;
    for (const Record& record : records) {
        appendUInt16(bytes, static_cast<quint16>(record.type));
        if (record.type == Type::Text) {
            const qsizetype length = std::min<qsizetype>(record.text.size(), MaxTextBytes);
            appendUInt16(bytes, static_cast<quint16>(length));
            bytes.append(record.text.left(length));
            continue;
        }
        for (int byte = 0; byte < width(record.type); ++byte)
            bytes.append(static_cast<char>((record.bits >> (8 * byte)) & 0xff));
    }
    return bytes + trailing;
}

int ParameterRecords::width(Type type)
{
    switch (type) {
    case Type::Int8:
    case Type::UInt8:
        return 1;
    case Type::Int16:
    case Type::UInt16:
    case Type::Boolean:
        return 2;
    case Type::Int32:
    case Type::UInt32:
    case Type::Single:
        return 4;
    case Type::Double:
    case Type::Int64:
    case Type::UInt64:
        return 8;
    case Type::Empty:
    case Type::Null:
    case Type::Text:
        return 0;
    }
    return 0;
}

bool ParameterRecords::isKnown(quint16 code)
{
    const Type type = static_cast<Type>(code);
    return type == Type::Empty || type == Type::Null || type == Type::Text || width(type) > 0;
}

ParameterRecords::Location ParameterRecords::location(int index)
{
    if (index < 0 || index >= Count)
        throw std::out_of_range("no parameter file record at this index");
    return locations().at(static_cast<size_t>(index));
}
