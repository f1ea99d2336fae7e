#include "registration/Version.h"

#include <algorithm>
#include <limits>

namespace {

// The leading number of a text: blanks skipped, an optional sign, then decimal digits up to the
// first other character. No digits read as 0; numbers beyond the int range are clamped.
int leadingNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == QLatin1Char(' '))
        ++at;
    bool negative = false;
    if (at < text.size() && (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+'))) {
        negative = text.at(at) == QLatin1Char('-');
        ++at;
    }
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qint64 value = 0;
    for (; at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9'); ++at)
        value = std::min(limit, value * 10 + (text.at(at).unicode() - u'0'));
    return static_cast<int>(negative ? -value : value);
}

QString beforeFirst(const QString& text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? text : text.left(at);
}

} // namespace

Version ParseVersion(const QString& text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QString head = dot < 0 ? text : text.left(dot);
    const QString tail = dot < 0 ? QString() : text.mid(dot + 1);
    const QString minorText = beforeFirst(beforeFirst(tail, QLatin1Char(' ')), QLatin1Char('.'));
    return Version{leadingNumber(head), leadingNumber(minorText)};
}

bool isNewer(const Version& a, const Version& b)
{
    return a.major > b.major || (a.major == b.major && a.minor > b.minor);
}
