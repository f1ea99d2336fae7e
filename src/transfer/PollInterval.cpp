#include "transfer/PollInterval.h"

#include "editors/NumberText.h"

#include <cmath>
#include <limits>

namespace poll_interval {

std::optional<qint32> tenths(const QString& text, const QString& separator)
{
    const std::optional<double> seconds = number_text::parse(text.trimmed(), separator);
    if (!seconds || *seconds < 0.0)
        return std::nullopt;
    // The default rounding mode rounds to nearest with ties to even.
    const double rounded = std::nearbyint(*seconds * 10.0);
    if (!(rounded <= static_cast<double>(std::numeric_limits<qint32>::max())))
        return std::nullopt;
    return static_cast<qint32>(rounded);
}

} // namespace poll_interval
