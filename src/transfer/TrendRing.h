#pragma once

#include <QList>
#include <QtGlobal>
#include <vector>

// The samples of one monitored value, in a ring whose size is fixed when it is made. The clock is
// cut into slots of one spacing, and the ring keeps at most one sample per slot: a sample in the
// newest sample's slot replaces it. However fast the polls come, `capacity(span, spacing)` samples
// therefore always cover the last span, and the ring never grows.
class TrendRing final
{
public:
    struct Sample
    {
        // Milliseconds since the epoch.
        qint64 time = 0;
        double value = 0.0;
        // Nonzero: the value was known until then only (monitoring went off); zero: it holds
        // until the next sample.
        qint64 until = 0;
    };

    // Enough for every slot of a span and the sample before it, which still holds at its start.
    static qsizetype capacity(qint64 span, qint64 spacing)
    {
        return static_cast<qsizetype>(span / spacing) + 2;
    }

    TrendRing(qint64 span, qint64 spacing);

    // A time before the newest sample's counts as the newest's (the clock was set back).
    void add(qint64 time, double value);
    // The newest value is known until `time` only.
    void end(qint64 time);
    void clear();

    // Oldest first.
    QList<Sample> samples() const;
    qsizetype size() const { return m_count; }
    qsizetype capacity() const { return static_cast<qsizetype>(m_slots.size()); }

private:
    Sample& newest() { return m_slots[index(m_count - 1)]; }
    std::size_t index(qsizetype age) const;

    qint64 m_spacing;
    std::vector<Sample> m_slots;
    qsizetype m_start = 0;
    qsizetype m_count = 0;
};
