#include "transfer/TrendRing.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::size_t checkedCapacity(qint64 span, qint64 spacing)
{
    if (span <= 0 || spacing <= 0)
        throw std::invalid_argument("a trend needs a positive span and spacing");
    return static_cast<std::size_t>(TrendRing::capacity(span, spacing));
}

} // namespace

TrendRing::TrendRing(qint64 span, qint64 spacing)
    : m_spacing(spacing), m_slots(checkedCapacity(span, spacing))
{
}

std::size_t TrendRing::index(qsizetype age) const
{
    return static_cast<std::size_t>((m_start + age) % capacity());
}

void TrendRing::add(qint64 time, double value)
{
    if (m_count > 0) {
        Sample& last = newest();
        time = std::max(time, last.time);
        if (last.until == 0 && time / m_spacing == last.time / m_spacing) {
            last = {time, value, 0};
            return;
        }
    }
    if (m_count == capacity()) {
        m_start = static_cast<qsizetype>(index(1));
        --m_count;
    }
    ++m_count;
    newest() = {time, value, 0};
}

void TrendRing::end(qint64 time)
{
    if (m_count > 0 && newest().until == 0)
        newest().until = std::max(time, newest().time);
}

void TrendRing::clear()
{
    m_start = 0;
    m_count = 0;
}

QList<TrendRing::Sample> TrendRing::samples() const
{
    QList<Sample> ordered;
    ordered.reserve(m_count);
    for (qsizetype age = 0; age < m_count; ++age)
        ordered.append(m_slots[index(age)]);
    return ordered;
}
