#include "transfer/MonitorTrend.h"

#include "device/point_catalogue/PointCatalogue.h"

#include <QDateTime>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using point_catalogue::nvo::FanSpeed;
using point_catalogue::nvo::SetptEffect;
using point_catalogue::nvo::SpaceTemp;

// A fixed moment, so that nothing depends on the clock.
constexpr qint64 T0 = 1'800'000'000'000;
constexpr qint64 S = 1000;
constexpr qint64 Hour = 3600 * S;
const QString Comma = QStringLiteral(",");

QPointF at(qint64 time, double value)
{
    return QPointF(static_cast<double>(time), value);
}

MonitorTrend::Series seriesOf(const MonitorTrend& trend, int position, qint64 now)
{
    for (const MonitorTrend::Series& series : trend.series(now))
        if (series.position == position)
            return series;
    return {};
}

} // namespace

TEST(MonitorTrendTest, KeepsNumbersOfTheFollowedOutputsOnly)
{
    const struct
    {
        int position;
        const char* text;
        const char* separator;
        double kept;
    } cases[] = {
        {SpaceTemp, "21,50", ",", 21.5},
        {SpaceTemp, "-3.25", ".", -3.25},
        {FanSpeed, "66,5 1", ",", 66.5},
        // SNVT_temp_p's invalid value; a wrong separator; no number; occupancy and other outputs.
        {SpaceTemp, "327,67", ",", NAN},
        {SpaceTemp, "21.50", ",", NAN},
        {SetptEffect, "warm", ",", NAN},
        {22, "OC_OCCUPIED", ",", NAN},
        {0, "1,0 1", ",", NAN},
    };
    for (const auto& c : cases) {
        MonitorTrend trend;
        EXPECT_EQ(trend.record(c.position, QString::fromLatin1(c.text), QString::fromLatin1(c.separator), T0),
                  !std::isnan(c.kept))
            << c.text;
        if (!std::isnan(c.kept)) {
            EXPECT_EQ(seriesOf(trend, c.position, T0 + S).points, QList<QPointF>{at(T0, c.kept)}) << c.text;
        }
    }
}

TEST(MonitorTrendTest, LinesHoldEachValueForTheLastHourAndBreakWhereMonitoringEnded)
{
    MonitorTrend trend;
    trend.record(SpaceTemp, QStringLiteral("20,00"), Comma, T0 - 2 * Hour);
    trend.record(SpaceTemp, QStringLiteral("21,00"), Comma, T0);
    trend.end(T0 + 10 * S);
    trend.end(T0 + 20 * S);
    trend.record(SpaceTemp, QStringLiteral("22,00"), Comma, T0 + 30 * S);

    const qint64 now = T0 + Hour - Hour / 2;
    const MonitorTrend::Series series = seriesOf(trend, SpaceTemp, now);
    EXPECT_EQ(series.name, QStringLiteral("nvoSpaceTemp"));
    EXPECT_EQ(series.unit, QStringLiteral("°C"));
    // The value polled two hours ago still held when the hour began; the first end counts.
    EXPECT_EQ(series.lines, (QList<QList<QPointF>>{
                                {at(now - Hour, 20.0), at(T0, 20.0), at(T0, 21.0), at(T0 + 10 * S, 21.0)},
                                {at(T0 + 30 * S, 22.0), at(now, 22.0)}}));
    EXPECT_EQ(series.points, (QList<QPointF>{at(T0, 21.0), at(T0 + 30 * S, 22.0)}));
    trend.clear();
    EXPECT_TRUE(seriesOf(trend, SpaceTemp, now).lines.isEmpty());
}

// The bound: however fast the polls, each output keeps at most one sample per second in a ring
// whose size never changes, and that is always enough for the whole hour.
TEST(MonitorTrendTest, FastPollsForHoursStayInRingsOfOneSamplePerSecond)
{
    MonitorTrend trend;
    const qsizetype capacity = trend.ring(SpaceTemp).capacity();
    EXPECT_EQ(capacity, MonitorTrend::Span / MonitorTrend::Spacing + 2);

    // Five polls a second for two hours, each with a new value.
    const qint64 now = T0 + 2 * Hour;
    int n = 0;
    for (qint64 time = T0; time < now; time += 200, ++n)
        trend.record(SpaceTemp, QString::number(n % 50) + QStringLiteral(",00"), Comma, time);

    const TrendRing& ring = trend.ring(SpaceTemp);
    EXPECT_EQ(ring.capacity(), capacity);
    EXPECT_EQ(ring.size(), capacity);
    const QList<TrendRing::Sample> samples = ring.samples();
    for (qsizetype i = 1; i < samples.size(); ++i)
        ASSERT_EQ(samples.at(i).time / S, samples.at(i - 1).time / S + 1) << "one sample per second";
    // Each second keeps its newest value.
    EXPECT_EQ(samples.back().time, now - 200);
    EXPECT_EQ(samples.back().value, (n - 1) % 50);
    const MonitorTrend::Series series = seriesOf(trend, SpaceTemp, now);
    EXPECT_EQ(series.lines.front().front().x(), static_cast<double>(now - Hour)) << "the whole hour is there";
    EXPECT_EQ(series.points.size(), Hour / S);
}

TEST(MonitorTrendTest, CsvListsThePollsOfTheHourInTimeOrder)
{
    MonitorTrend trend;
    trend.record(SpaceTemp, QStringLiteral("21,50"), Comma, T0 - 2 * Hour);
    trend.record(FanSpeed, QStringLiteral("33,5 1"), Comma, T0 + 2 * S);
    trend.record(SpaceTemp, QStringLiteral("21,75"), Comma, T0 + 1500);
    trend.record(SetptEffect, QStringLiteral("22,00"), Comma, T0 + 2 * S);

    const QStringList lines = QString::fromUtf8(trend.csv(T0 + Hour / 2)).split(QStringLiteral("\r\n"));
    const QStringList expected{QStringLiteral("time,nv,value"), QStringLiteral("1500,nvoSpaceTemp,21.75"),
                               QStringLiteral("2000,nvoSetptEffect,22"),
                               QStringLiteral("2000,nvoFanSpeed,33.5"), QString()};
    ASSERT_EQ(lines.size(), expected.size()) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.front(), expected.front());
    for (qsizetype row = 1; row + 1 < lines.size(); ++row) {
        // The time carries its offset, so it reads back to the same moment anywhere.
        const QString time = lines.at(row).section(QLatin1Char(','), 0, 0);
        EXPECT_TRUE(time.endsWith(QLatin1Char('Z')) || time.at(time.size() - 6) == QLatin1Char('+') ||
                    time.at(time.size() - 6) == QLatin1Char('-'))
            << time.toStdString();
        EXPECT_EQ(QString::number(QDateTime::fromString(time, Qt::ISODateWithMs).toMSecsSinceEpoch() - T0) +
                      lines.at(row).mid(time.size()),
                  expected.at(row));
    }
}
