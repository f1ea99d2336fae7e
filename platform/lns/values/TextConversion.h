#pragma once

#include "lns/values/NumberField.h"
#include "lns/values/ValueCodec.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace lnssim {

// One conversion of a value text from one decimal separator to another, with the errors
// that name the type and the offending text.
class TextConversion final
{
public:
    TextConversion(ValueType type, const QString& text, QChar inputSeparator, QChar outputSeparator);
    TextConversion(const TextConversion&) = delete;
    TextConversion& operator=(const TextConversion&) = delete;

    // The text without surrounding blanks.
    const QString& text() const { return m_text; }
    // The text split at runs of blanks.
    QStringList blankSeparatedItems() const;
    QChar inputSeparator() const { return m_inputSeparator; }
    QChar outputSeparator() const { return m_outputSeparator; }
    // "a number with "," as decimal separator"
    QString numberExpectation() const;

    // Reads a number written with `separator`; throws InvalidValue with `expected`, or
    // OutOfRange with `what` ("value", "state", ...) and the allowed range.
    qint64 number(const NumberField& field, QStringView item, QChar separator, const QString& expected,
                  const QString& what) const;
    // Accepts exactly one of the given names; throws InvalidValue with `expected` otherwise.
    QString name(QStringView item, const QStringList& names, const QString& expected) const;

    [[noreturn]] void invalid(const QString& expected) const;
    [[noreturn]] void outOfRange(const QString& allowed) const;

private:
    QString quotedText() const;

    ValueType m_type;
    QString m_text;
    QChar m_inputSeparator;
    QChar m_outputSeparator;
};

} // namespace lnssim
