#include "files/ParameterFile.h"

#include "files/Windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <vector>

namespace {

enum VariantType : quint16
{
    Empty = 0,
    Null = 1,
    Int16 = 2,
    Int32 = 3,
    Single = 4,
    Double = 5,
    Text = 8,
    Boolean = 11,
    Int8 = 16,
    UInt8 = 17,
    UInt16 = 18,
    UInt32 = 19,
    Int64 = 20,
    UInt64 = 21
};

// The records in file order, as pointers into the set.
template <typename Set, typename Value> std::vector<Value*> recordsOf(Set& set)
{
    std::vector<Value*> records;
    records.reserve(ParameterFile::RecordCount);
    for (int position = 0; position < ParameterSet::Positions; ++position) {
        if (position == ParameterSet::DiConfigPosition) {
            for (Value& element : set.diConfig)
                records.push_back(&element);
        } else if (position == ParameterSet::BacklightMinPosition) {
            for (Value& element : set.backlightMin)
                records.push_back(&element);
        } else if (position == ParameterSet::BacklightMaxPosition) {
            for (Value& element : set.backlightMax)
                records.push_back(&element);
        } else {
            records.push_back(&set.values.at(position));
        }
    }
    return records;
}

void appendUInt16(QByteArray& bytes, quint16 value)
{
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

class Reader final
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool has(qsizetype count) const { return m_bytes.size() - m_offset >= count; }
    qsizetype offset() const { return m_offset; }

    template <typename T> T take()
    {
        const T value = qFromLittleEndian<T>(m_bytes.constData() + m_offset);
        m_offset += static_cast<qsizetype>(sizeof(T));
        return value;
    }
    QByteArray takeBytes(qsizetype count)
    {
        const QByteArray part = m_bytes.mid(m_offset, count);
        m_offset += count;
        return part;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_offset = 0;
};

qsizetype numberWidth(quint16 type)
{
    switch (type) {
    case Int8:
    case UInt8:
        return 1;
    case Int16:
    case UInt16:
    case Boolean:
        return 2;
    case Int32:
    case UInt32:
    case Single:
        return 4;
    case Double:
    case Int64:
    case UInt64:
        return 8;
    default:
        return 0;
    }
}

QString floatingText(double value, const QString& decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString numberText(quint16 type, Reader& reader, const QString& decimalSeparator)
{
    switch (type) {
    case Int8:
        return QString::number(reader.take<qint8>());
    case UInt8:
        return QString::number(reader.take<quint8>());
    case Int16:
        return QString::number(reader.take<qint16>());
    case UInt16:
        return QString::number(reader.take<quint16>());
    case Boolean:
        return reader.take<qint16>() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case Int32:
        return QString::number(reader.take<qint32>());
    case UInt32:
        return QString::number(reader.take<quint32>());
    case Int64:
        return QString::number(reader.take<qint64>());
    case UInt64:
        return QString::number(reader.take<quint64>());
    case Single: {
        const auto bits = reader.take<quint32>();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return floatingText(static_cast<double>(value), decimalSeparator);
    }
    default: {
        const auto bits = reader.take<quint64>();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return floatingText(value, decimalSeparator);
    }
    }
}

QString recordError(int record, const QString& problem)
{
    return QStringLiteral("The file is not a parameter file: record %1 %2.").arg(record + 1).arg(problem);
}

} // namespace

ParameterFile::Encoded ParameterFile::encode(const ParameterSet& set)
{
    Encoded result;
    const std::vector<const ParameterSet::Value*> records =
        recordsOf<const ParameterSet, const ParameterSet::Value>(set);
    for (const ParameterSet::Value* record : records) {
        if (!*record) {
            appendUInt16(result.bytes, Empty);
            continue;
        }
        const std::optional<QByteArray> text = windows1252::encode(**record);
        if (!text) {
            result.bytes.clear();
            result.error =
                QStringLiteral("The value \"%1\" contains characters a parameter file cannot hold.")
                    .arg(**record);
            return result;
        }
        if (text->size() > std::numeric_limits<quint16>::max()) {
            result.bytes.clear();
            result.error = QStringLiteral("A value of %1 characters is too long for a parameter file.")
                               .arg(text->size());
            return result;
        }
        appendUInt16(result.bytes, Text);
        appendUInt16(result.bytes, static_cast<quint16>(text->size()));
        result.bytes.append(*text);
    }
    return result;
}

ParameterFile::Decoded ParameterFile::decode(const QByteArray& bytes, const QString& decimalSeparator)
{
    Decoded result;
    Reader reader(bytes);
    const std::vector<ParameterSet::Value*> records =
        recordsOf<ParameterSet, ParameterSet::Value>(result.set);
    for (int record = 0; record < RecordCount; ++record) {
        if (!reader.has(2)) {
            result.set = ParameterSet();
            result.error = recordError(record, QStringLiteral("is missing"));
            return result;
        }
        const auto type = reader.take<quint16>();
        ParameterSet::Value& value = *records.at(static_cast<size_t>(record));
        if (type == Empty || type == Null)
            continue;
        if (type == Text) {
            const bool lengthThere = reader.has(2);
            const quint16 length = lengthThere ? reader.take<quint16>() : 0;
            if (!lengthThere || !reader.has(length)) {
                result.set = ParameterSet();
                result.error = recordError(record, QStringLiteral("runs past the end of the file"));
                return result;
            }
            value = windows1252::decode(reader.takeBytes(length));
            continue;
        }
        const qsizetype width = numberWidth(type);
        if (width == 0) {
            result.set = ParameterSet();
            result.error = recordError(record, QStringLiteral("has the unknown type %1").arg(type));
            return result;
        }
        if (!reader.has(width)) {
            result.set = ParameterSet();
            result.error = recordError(record, QStringLiteral("runs past the end of the file"));
            return result;
        }
        value = numberText(type, reader, decimalSeparator);
    }
    return result;
}

QString ParameterFile::write(const QString& path, const ParameterSet& set)
{
    const Encoded encoded = encode(set);
    if (!encoded.error.isEmpty())
        return encoded.error;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() ||
        !file.commit())
        return QStringLiteral("The parameter file %1 could not be written: %2").arg(path, file.errorString());
    return QString();
}

ParameterFile::Decoded ParameterFile::read(const QString& path, const QString& decimalSeparator)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Decoded result;
        result.error =
            QStringLiteral("The parameter file %1 could not be read: %2").arg(path, file.errorString());
        return result;
    }
    return decode(file.readAll(), decimalSeparator);
}
