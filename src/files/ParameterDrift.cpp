#include "files/ParameterDrift.h"

#include <algorithm>

QList<ParameterDrift::Difference> ParameterDrift::between(const ParameterSet& saved,
                                                          const ParameterSet& current,
                                                          const QString& decimalSeparator, int cpCount)
{
    const bool foreign = saved.isForeign(decimalSeparator);
    QList<Difference> differences;
    for (int position = 0; position < std::min(cpCount, ParameterSet::Positions); ++position) {
        const std::span<const ParameterSet::Value> elements = saved.elements(position);
        if (elements.empty()) {
            if (!saved.values.at(static_cast<std::size_t>(position)))
                continue;
            const QString before = saved.loadedText(position, foreign, decimalSeparator);
            const QString now = current.loadedText(position, false, decimalSeparator);
            if (before != now)
                differences.append({position, -1, before, now});
            continue;
        }
        const QStringList before = saved.loadedElements(position, foreign, decimalSeparator);
        const QStringList now = current.loadedElements(position, false, decimalSeparator);
        for (int element = 0; element < static_cast<int>(elements.size()); ++element) {
            if (elements[static_cast<std::size_t>(element)] && before.at(element) != now.at(element))
                differences.append({position, element, before.at(element), now.at(element)});
        }
    }
    return differences;
}
