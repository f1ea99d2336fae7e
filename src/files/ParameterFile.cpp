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

Expected<QByteArray> ParameterFile::encode(const ParameterSet& set)
{
    ParameterRecords records;
    for (int index = 0; index < RecordCount; ++index) {
        const ParameterSet::Value& value = valueAt(set, index);
        if (!value)
            continue;
        const std::optional<QByteArray> text = windows1252::encode(*value);
        if (!text)
            return Failure{
                QStringLiteral("The value \"%1\" contains characters a parameter file cannot hold.")
                    .arg(*value)};
        if (text->size() > ParameterRecords::MaxTextBytes)
            return Failure{QStringLiteral("A value of %1 characters is too long for a parameter file.")
                               .arg(text->size())};
        ParameterRecords::Record& record = records.records.at(static_cast<size_t>(index));
        record.type = ParameterRecords::Type::Text;
        record.text = *text;
    }
    return records.compose();
}

Expected<ParameterSet> ParameterFile::decode(const QByteArray& bytes, const QString& decimalSeparator)
{
    const Expected<ParameterRecords> parsed = ParameterRecords::parse(bytes);
    if (!parsed)
        return Failure{parsed.error()};
    ParameterSet result;
    for (int index = 0; index < RecordCount; ++index) {
        const ParameterRecords::Record& record = parsed->records.at(static_cast<size_t>(index));
        ParameterSet::Value& value = valueAt(result, index);
        // No device value holds a NUL; it would cut the value short on the device.
        if (record.type == ParameterRecords::Type::Text && record.text.contains('\0'))
            return Failure{
                QStringLiteral("The file is not a parameter file: record %1 holds a NUL character.")
                    .arg(index + 1)};
        if (record.type == ParameterRecords::Type::Text)
            value = windows1252::decode(record.text);
        else if (record.type != ParameterRecords::Type::Empty && record.type != ParameterRecords::Type::Null)
            value = numberText(record, decimalSeparator);
    }
    return result;
}

Expected<void> ParameterFile::write(const QString& path, const ParameterSet& set)
{
    const Expected<QByteArray> encoded = encode(set);
    if (!encoded)
        return Failure{encoded.error()};
    if (const Expected<void> written = AtomicFile::write(path, *encoded); !written)
        return Failure{
            QStringLiteral("The parameter file %1 could not be written: %2").arg(path, written.error())};
    return {};
}

Expected<ParameterSet> ParameterFile::read(const QString& path, const QString& decimalSeparator)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{
            QStringLiteral("The parameter file %1 could not be read: %2").arg(path, file.errorString())};
    // Read no further than a parameter file can reach: a wrong file may be as large as a disk.
    if (file.size() > ParameterRecords::MaxFileBytes)
        return Failure{
            QStringLiteral("The file %1 is not a parameter file: it is %2 bytes long, a parameter file "
                           "at most %3.")
                .arg(path)
                .arg(file.size())
                .arg(ParameterRecords::MaxFileBytes)};
    return decode(file.readAll(), decimalSeparator);
}
