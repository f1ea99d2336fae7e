#include "files/ParameterSet.h"

namespace {

QString otherSeparator(const QString& decimalSeparator)
{
    return decimalSeparator == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
}

} // namespace

bool ParameterSet::isForeign(const QString& decimalSeparator) const
{
    const Value& probe = values.at(SeparatorProbePosition);
    return probe && probe->contains(otherSeparator(decimalSeparator));
}

QString ParameterSet::loadedText(int position, bool foreign, const QString& decimalSeparator) const
{
    QString text = values.at(position).value_or(QString());
    if (foreign && position >= 4)
        text.replace(otherSeparator(decimalSeparator), decimalSeparator);
    return text;
}
