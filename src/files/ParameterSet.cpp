#include "files/ParameterSet.h"

namespace {

QString otherSeparator(const QString& decimalSeparator)
{
    return decimalSeparator == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
}

// Numbers saved with the other separator get the user's; the CPs before the first number
// (UCPTdisplayTime) are texts and never converted.
QString converted(QString text, int position, bool foreign, const QString& decimalSeparator)
{
    if (foreign && position >= point_catalogue::cp::DisplayTime)
        text.replace(otherSeparator(decimalSeparator), decimalSeparator);
    return text;
}

// The element records of an array CP, const or not as the set is.
template <typename Set> auto elementsOf(Set& set, int position)
{
    using Span = std::span<std::remove_reference_t<decltype(set.diConfig.front())>>;
    switch (position) {
    case point_catalogue::cp::DiConfig:
        return Span(set.diConfig);
    case point_catalogue::cp::BacklightMin:
        return Span(set.backlightMin);
    case point_catalogue::cp::BacklightMax:
        return Span(set.backlightMax);
    default:
        return Span();
    }
}

} // namespace

bool ParameterSet::isForeign(const QString& decimalSeparator) const
{
    const Value& probe = values.at(SeparatorProbePosition);
    return probe && probe->contains(otherSeparator(decimalSeparator));
}

QString ParameterSet::loadedText(int position, bool foreign, const QString& decimalSeparator) const
{
    return converted(values.at(position).value_or(QString()), position, foreign, decimalSeparator);
}

bool ParameterSet::holds(int position) const
{
    const std::span<const Value> records = elements(position);
    return records.empty() ? values.at(position).has_value() : records.front().has_value();
}

QStringList ParameterSet::loadedElements(int position, bool foreign, const QString& decimalSeparator) const
{
    QStringList texts;
    for (const Value& element : elements(position))
        texts.append(converted(element.value_or(QString()), position, foreign, decimalSeparator));
    return texts;
}

QString ParameterSet::displayText(int position, bool foreign, const QString& decimalSeparator) const
{
    return elements(position).empty()
               ? loadedText(position, foreign, decimalSeparator)
               : loadedElements(position, foreign, decimalSeparator).join(QStringLiteral(" | "));
}

std::span<ParameterSet::Value> ParameterSet::elements(int position)
{
    return elementsOf(*this, position);
}

std::span<const ParameterSet::Value> ParameterSet::elements(int position) const
{
    return elementsOf(*this, position);
}
