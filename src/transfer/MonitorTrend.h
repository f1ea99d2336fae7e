#pragma once

#include "transfer/TrendRing.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

// The trend of the monitored room unit beside its monitored outputs: room temperature, effective
// set point, set-point offset and fan speed over the last hour. Each output keeps its samples in a
// ring of fixed size (one sample per second at most), so memory stays the same however long
// monitoring runs and however short the poll interval is.
class MonitorTrend final
{
public:
    static constexpr qint64 Span = 60 * 60 * 1000;
    // The shortest poll interval the trend keeps apart: of faster polls, each second's newest
    // value is kept.
    static constexpr qint64 Spacing = 1000;

    struct Series
    {
        // The output's position in the NV output table and its name.
        int position = 0;
        QString name;
        // "°C", "K" or "%".
        QString unit;
        // x: milliseconds since the epoch. Each value holds until the next one, the end of
        // monitoring or now; a line ends where monitoring ended.
        QList<QList<QPointF>> lines;
        // The values the polls brought.
        QList<QPointF> points;
    };

    MonitorTrend();

    // The positions of the outputs the trend follows, in the order of series().
    static QList<int> positions();

    // The text an output showed at `time`. False, and nothing kept, for an output the trend does
    // not follow and for a text that is no number or the type's invalid value.
    bool record(int position, const QString& text, const QString& decimalSeparator, qint64 time);
    // Monitoring went off: every line ends here.
    void end(qint64 time);
    void clear();

    // The last hour before `now`.
    QList<Series> series(qint64 now) const;
    // The poll points of the last hour, oldest first: "time,nv,value" with the time in ISO 8601
    // (local time with its offset) and the value with "." as decimal separator, lines ending in
    // CR LF.
    QByteArray csv(qint64 now) const;

    // The ring of an output the trend follows.
    const TrendRing& ring(int position) const;

private:
    struct Output
    {
        int position;
        QString name;
        QString unit;
        // SNVT_temp_p, whose invalid value is left out.
        bool temperature;
        TrendRing ring;
    };

    template <typename List> static auto* find(List& outputs, int position);

    std::vector<Output> m_outputs;
};
