#include "transfer/MonitorTrend.h"

#include "device/point_catalogue/PointTables.h"
#include "editors/NumberText.h"
#include "files/Csv.h"

#include <QDateTime>
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

struct Followed
{
    int position;
    const char* unit;
};

// The command module's outputs beside which the trend is shown: nvoSpaceTemp, nvoSetptEffect,
// nvoSetptOffset and nvoFanSpeed, whose SNVT_switch reports its level in percent.
constexpr Followed Outputs[] = {{point_catalogue::nvo::SpaceTemp, "°C"},
                                {point_catalogue::nvo::SetptEffect, "°C"},
                                {point_catalogue::nvo::SetptOffset, "K"},
                                {point_catalogue::nvo::FanSpeed, "%"}};
// SNVT_temp_p's invalid value (0x7FFF).
constexpr double InvalidTemperature = 327.67;

// Local time with its offset, so that the file says when wherever it is read.
QString isoTime(qint64 milliseconds)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(milliseconds);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

} // namespace

MonitorTrend::MonitorTrend()
{
    m_outputs.reserve(std::size(Outputs));
    for (const Followed& followed : Outputs) {
        const point_catalogue::NvDefinition& definition = point_catalogue::nvoDefinition(followed.position);
        m_outputs.push_back(
            {followed.position, QString::fromLatin1(definition.name), QString::fromUtf8(followed.unit),
             QLatin1String(definition.type) == QLatin1String("SNVT_temp_p"), TrendRing(Span, Spacing)});
    }
}

QList<int> MonitorTrend::positions()
{
    QList<int> positions;
    for (const Followed& followed : Outputs)
        positions.append(followed.position);
    return positions;
}

template <typename List> auto* MonitorTrend::find(List& outputs, int position)
{
    const auto found = std::find_if(outputs.begin(), outputs.end(),
                                    [position](const Output& output) { return output.position == position; });
    return found == outputs.end() ? nullptr : &*found;
}

const TrendRing& MonitorTrend::ring(int position) const
{
    const Output* output = find(m_outputs, position);
    if (!output)
        throw std::out_of_range("the trend does not follow this output");
    return output->ring;
}

bool MonitorTrend::record(int position, const QString& text, const QString& decimalSeparator, qint64 time)
{
    Output* output = find(m_outputs, position);
    if (!output)
        return false;
    // A switch's text is its level and its state: "100,0 1".
    const QString number = text.trimmed().section(QLatin1Char(' '), 0, 0);
    const std::optional<double> value = number_text::parse(number, decimalSeparator);
    if (!value || (output->temperature && *value == InvalidTemperature))
        return false;
    output->ring.add(time, *value);
    return true;
}

void MonitorTrend::end(qint64 time)
{
    for (Output& output : m_outputs)
        output.ring.end(time);
}

void MonitorTrend::clear()
{
    for (Output& output : m_outputs)
        output.ring.clear();
}

QList<MonitorTrend::Series> MonitorTrend::series(qint64 now) const
{
    const qint64 from = now - Span;
    QList<Series> all;
    for (const Output& output : m_outputs) {
        Series series{output.position, output.name, output.unit, {}, {}};
        const QList<TrendRing::Sample> samples = output.ring.samples();
        QList<QPointF> line;
        for (qsizetype i = 0; i < samples.size() && samples.at(i).time <= now; ++i) {
            const TrendRing::Sample& sample = samples.at(i);
            const bool followed = i + 1 < samples.size() && samples.at(i + 1).time <= now;
            const qint64 held = sample.until != 0 ? std::min(sample.until, now)
                                : followed        ? samples.at(i + 1).time
                                                  : now;
            if (held < from)
                continue;
            if (sample.time >= from)
                series.points.append(QPointF(static_cast<double>(sample.time), sample.value));
            line.append(QPointF(static_cast<double>(std::max(sample.time, from)), sample.value));
            line.append(QPointF(static_cast<double>(held), sample.value));
            if (sample.until != 0 || !followed)
                series.lines.append(std::exchange(line, {}));
        }
        all.append(series);
    }
    return all;
}

QByteArray MonitorTrend::csv(qint64 now) const
{
    struct Row
    {
        qint64 time;
        QString name;
        double value;
    };
    QList<Row> rows;
    for (const Output& output : m_outputs) {
        for (const TrendRing::Sample& sample : output.ring.samples()) {
            if (sample.time >= now - Span && sample.time <= now)
                rows.append({sample.time, output.name, sample.value});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.time < b.time; });
    const QString lineEnd = QStringLiteral("\r\n");
    QString text =
        csv::line({QStringLiteral("time"), QStringLiteral("nv"), QStringLiteral("value")}) + lineEnd;
    for (const Row& row : rows)
        text +=
            csv::line({isoTime(row.time), row.name, number_text::format(row.value, QStringLiteral("."))}) +
            lineEnd;
    return text.toUtf8();
}
