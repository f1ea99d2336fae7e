#include "lns/values/TextConversion.h"

#include "host/object_server/Error.h"

namespace lnssim {

namespace {

// Long texts are cut in messages so that a pasted document does not flood the log.
constexpr qsizetype maxQuotedLength = 60;

} // namespace

TextConversion::TextConversion(ValueType type, const QString& text, QChar inputSeparator,
                               QChar outputSeparator)
    : m_type(type), m_text(text.trimmed()), m_inputSeparator(inputSeparator),
      m_outputSeparator(outputSeparator)
{
}

QStringList TextConversion::blankSeparatedItems() const
{
    return m_text.split(u' ', Qt::SkipEmptyParts);
}

QString TextConversion::numberExpectation() const
{
    return QStringLiteral("a number with \"%1\" as decimal separator").arg(m_inputSeparator);
}

qint64 TextConversion::number(const NumberField& field, QStringView item, QChar separator,
                              const QString& expected, const QString& what) const
{
    const NumberField::Reading reading = field.read(item, separator);
    switch (reading.check) {
    case NumberField::Check::Ok:
        break;
    case NumberField::Check::NotANumber:
        invalid(expected);
    case NumberField::Check::OutOfRange:
        outOfRange((what.isEmpty() ? QString() : what + u' ') + QStringLiteral("allowed ") +
                   field.allowedText(separator));
    }
    return reading.units;
}

QString TextConversion::name(QStringView item, const QStringList& names, const QString& expected) const
{
    for (const QString& candidate : names) {
        if (candidate == item)
            return candidate;
    }
    invalid(expected);
}

void TextConversion::invalid(const QString& expected) const
{
    throw lns::Error(lns::errors::InvalidValue,
                     QStringLiteral("%1 is not a valid %2 value: expected %3")
                         .arg(quotedText(), value_codec::typeName(m_type), expected));
}

void TextConversion::outOfRange(const QString& allowed) const
{
    throw lns::Error(lns::errors::OutOfRange, QStringLiteral("%1 is out of range for %2: %3")
                                                  .arg(quotedText(), value_codec::typeName(m_type), allowed));
}

QString TextConversion::quotedText() const
{
    if (m_text.size() <= maxQuotedLength)
        return u'"' + m_text + u'"';
    return u'"' + m_text.left(maxQuotedLength) + QStringLiteral("...\"");
}

} // namespace lnssim
