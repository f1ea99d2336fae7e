#include "files/ParameterFile.h"

#include "files/Windows1252.h"
#include "host/AtomicFile.h"

#include <QFile>
#include <bit>

namespace {

// A record's place in the set.
template <typename Set> auto& valueAt(Set& set, int index)
{
    const ParameterRecords::Location location = ParameterRecords::location(index);
    if (location.element < 0)
        return set.values.at(location.position);
    return set.elements(location.position)[static_cast<size_t>(location.element)];
}

QString floatingText(double value, const QString& decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString numberText(const ParameterRecords::Record& record, const QString& decimalSeparator)
{
    using Type = ParameterRecords::Type;
    switch (record.type) {
    case Type::Boolean:
        return record.signedValue() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Single:
        return floatingText(static_cast<double>(std::bit_cast<float>(static_cast<quint32>(record.bits))),
                            decimalSeparator);
    case Type::Double:
        return floatingText(std::bit_cast<double>(record.bits), decimalSeparator);
    case Type::UInt8:
    case Type::UInt16:
    case Type::UInt32:
    case Type::UInt64:
        return QString::number(record.bits);
    default:
        return QString::number(record.signedValue());
    }
}

} // namespace

ParameterFile::Encoded ParameterFile::encode(const ParameterSet& set)
{
    Encoded result;
    ParameterRecords records;
    for (int index = 0; index < RecordCount; ++index) {
        const ParameterSet::Value& value = valueAt(set, index);
        if (!value)
            continue;
        const std::optional<QByteArray> text = windows1252::encode(*value);
        if (!text) {
            result.error =
                QStringLiteral("The value \"%1\" contains characters a parameter file cannot hold.")
                    .arg(*value);
            return result;
        }
        if (text->size() > ParameterRecords::MaxTextBytes) {
            result.error = QStringLiteral("A value of %1 characters is too long for a parameter file.")
                               .arg(text->size());
            return result;
        }
        ParameterRecords::Record& record = records.records.at(static_cast<size_t>(index));
        record.type = ParameterRecords::Type::Text;
        record.text = *text;
    }
    result.bytes = records.compose();
    return result;
}

ParameterFile::Decoded ParameterFile::decode(const QByteArray& bytes, const QString& decimalSeparator)
{
    Decoded result;
    const ParameterRecords::Parsed parsed = ParameterRecords::parse(bytes);
    if (!parsed.error.isEmpty()) {
        result.error = parsed.error;
        return result;
    }
    for (int index = 0; index < RecordCount; ++index) {
        const ParameterRecords::Record& record = parsed.records.records.at(static_cast<size_t>(index));
        ParameterSet::Value& value = valueAt(result.set, index);
        if (record.type == ParameterRecords::Type::Text && record.text.contains('\0')) {
            // No device value holds one; it would cut the value short on the device.
            result = Decoded();
            result.error =
                QStringLiteral("The file is not a parameter file: record %1 holds a NUL character.")
                    .arg(index + 1);
            return result;
        }
        if (record.type == ParameterRecords::Type::Text)
            value = windows1252::decode(record.text);
        else if (record.type != ParameterRecords::Type::Empty && record.type != ParameterRecords::Type::Null)
            value = numberText(record, decimalSeparator);
    }
    return result;
}

QString ParameterFile::write(const QString& path, const ParameterSet& set)
{
    const Encoded encoded = encode(set);
    if (!encoded.error.isEmpty())
        return encoded.error;
    const QString failure = AtomicFile::write(path, encoded.bytes);
    if (!failure.isEmpty())
        return QStringLiteral("The parameter file %1 could not be written: %2").arg(path, failure);
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
    // Read no further than a parameter file can reach: a wrong file may be as large as a disk.
    if (file.size() > ParameterRecords::MaxFileBytes) {
        Decoded result;
        result.error =
            QStringLiteral("The file %1 is not a parameter file: it is %2 bytes long, a parameter file "
                           "at most %3.")
                .arg(path)
                .arg(file.size())
                .arg(ParameterRecords::MaxFileBytes);
        return result;
    }
    return decode(file.readAll(), decimalSeparator);
}
