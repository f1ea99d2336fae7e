#include "transfer/MonitorTrend.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

constexpr int SpaceTemp = 18;
constexpr int SetptEffect = 19;
constexpr int FanSpeed = 21;
constexpr int EffectOccup = 22;
// A fixed moment, so that nothing depends on the clock.
constexpr qint64 T0 = 1'800'000'000'000;
constexpr qint64 Second = 1000;
constexpr qint64 Minute = 60 * Second;
constexpr qint64 Hour = 60 * Minute;
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
    ADD_FAILURE() << "no series for " << position;
    return {};
}

} // namespace

TEST(MonitorTrendTest, KeepsNumbersOfTheFollowedOutputsOnly)
{
    struct Case
    {
        int position;
        const char* text;
        const char* separator;
        bool kept;
        double value;
    };
    const Case cases[] = {
        {SpaceTemp, "21,50", ",", true, 21.5},
        {SpaceTemp, "21.50", ".", true, 21.5},
        {SpaceTemp, "-3,25", ",", true, -3.25},
        {FanSpeed, "66,5 1", ",", true, 66.5},
        // SNVT_temp_p's invalid value says the sensor has nothing to tell.
        {SpaceTemp, "327,67", ",", false, 0},
        {SpaceTemp, "21.50", ",", false, 0},
        {SpaceTemp, "", ",", false, 0},
        {SetptEffect, "warm", ",", false, 0},
        // Occupancy is no number; other outputs are not in the trend at all.
        {EffectOccup, "OC_OCCUPIED", ",", false, 0},
        {0, "1,0 1", ",", false, 0},
    };
    for (const Case& c : cases) {
        MonitorTrend trend;
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(trend.record(c.position, text, QString::fromLatin1(c.separator), T0), c.kept) << c.text;
        if (!c.kept)
            continue;
        const MonitorTrend::Series series = seriesOf(trend, c.position, T0 + Second);
        ASSERT_EQ(series.points.size(), 1) << c.text;
        EXPECT_EQ(series.points.front(), at(T0, c.value)) << c.text;
    }
    EXPECT_EQ(MonitorTrend::positions(), (QList<int>{18, 19, 20, 21}));
}

TEST(MonitorTrendTest, LinesHoldEachValueUntilTheNextAndBreakWhereMonitoringEnded)
{
    MonitorTrend trend;
    trend.record(SpaceTemp, QStringLiteral("21,00"), Comma, T0);
    trend.record(SpaceTemp, QStringLiteral("21,50"), Comma, T0 + 5 * Second);
    trend.end(T0 + 10 * Second);
    trend.record(SpaceTemp, QStringLiteral("22,00"), Comma, T0 + 20 * Second);

    const qint64 now = T0 + 30 * Second;
    const MonitorTrend::Series series = seriesOf(trend, SpaceTemp, now);
    EXPECT_EQ(series.name, QStringLiteral("nvoSpaceTemp"));
    EXPECT_EQ(series.unit, QStringLiteral("°C"));
    ASSERT_EQ(series.lines.size(), 2);
    EXPECT_EQ(series.lines.at(0), (QList<QPointF>{at(T0, 21.0), at(T0 + 5 * Second, 21.0),
                                                  at(T0 + 5 * Second, 21.5), at(T0 + 10 * Second, 21.5)}));
    EXPECT_EQ(series.lines.at(1), (QList<QPointF>{at(T0 + 20 * Second, 22.0), at(now, 22.0)}));
    EXPECT_EQ(series.points,
              (QList<QPointF>{at(T0, 21.0), at(T0 + 5 * Second, 21.5), at(T0 + 20 * Second, 22.0)}));

    // Ending twice keeps the first end; clearing forgets everything.
    trend.end(now);
    EXPECT_EQ(seriesOf(trend, SpaceTemp, now + Minute).lines.at(1).back(), at(now, 22.0));
    trend.clear();
    EXPECT_TRUE(seriesOf(trend, SpaceTemp, now).lines.isEmpty());
}

TEST(MonitorTrendTest, ShowsTheLastHourWithTheValueThatHeldAtItsStart)
{
    MonitorTrend trend;
    trend.record(SetptEffect, QStringLiteral("20,00"), Comma, T0);
    trend.record(SetptEffect, QStringLiteral("22,00"), Comma, T0 + 90 * Minute);
    const qint64 now = T0 + 2 * Hour;
    const MonitorTrend::Series series = seriesOf(trend, SetptEffect, now);
    ASSERT_EQ(series.lines.size(), 1);
    EXPECT_EQ(series.lines.front(), (QList<QPointF>{at(now - Hour, 20.0), at(T0 + 90 * Minute, 20.0),
                                                    at(T0 + 90 * Minute, 22.0), at(now, 22.0)}));
    // The poll two hours ago is outside the hour; only its value still shows.
    EXPECT_EQ(series.points, QList<QPointF>{at(T0 + 90 * Minute, 22.0)});
}

// The bound of the rings: however fast the polls, each output keeps at most one sample per second
// in a ring whose size never changes, and that is always enough for the whole hour.
TEST(MonitorTrendTest, FastPollsForHoursStayInRingsOfOneSamplePerSecond)
{
    MonitorTrend trend;
    const qsizetype capacity = trend.ring(SpaceTemp).capacity();
    EXPECT_EQ(capacity, MonitorTrend::Span / MonitorTrend::Spacing + 2);

    // Five polls a second for two hours, the value changing every time.
    const qint64 end = T0 + 2 * Hour;
    int n = 0;
    for (qint64 time = T0; time < end; time += 200, ++n)
        trend.record(SpaceTemp, QString::number(20 + n % 50) + QStringLiteral(",00"), Comma, time);

    const TrendRing& ring = trend.ring(SpaceTemp);
    EXPECT_EQ(ring.capacity(), capacity);
    EXPECT_EQ(ring.size(), capacity);
    const QList<TrendRing::Sample> samples = ring.samples();
    for (qsizetype i = 1; i < samples.size(); ++i)
        ASSERT_GT(samples.at(i).time / Second, samples.at(i - 1).time / Second) << "one sample per second";
    // Each second keeps its newest value.
    EXPECT_EQ(samples.back().time, end - 200);
    EXPECT_EQ(samples.back().value, 20 + (n - 1) % 50);

    const qint64 now = end;
    const MonitorTrend::Series series = seriesOf(trend, SpaceTemp, now);
    ASSERT_EQ(series.lines.size(), 1);
    EXPECT_EQ(series.lines.front().front().x(), static_cast<double>(now - Hour)) << "the whole hour is there";
    EXPECT_EQ(series.points.size(), Hour / Second);
}

TEST(MonitorTrendTest, CsvListsThePollsOfTheHourInTimeOrder)
{
    MonitorTrend trend;
    trend.record(SpaceTemp, QStringLiteral("21,50"), Comma, T0 - 2 * Hour);
    trend.record(FanSpeed, QStringLiteral("33,5 1"), Comma, T0 + 2 * Second);
    trend.record(SpaceTemp, QStringLiteral("21,75"), Comma, T0 + 1500);
    trend.record(SetptEffect, QStringLiteral("22,00"), Comma, T0 + 2 * Second);

    const QStringList lines = QString::fromUtf8(trend.csv(T0 + Minute)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("time,nv,value"));
    const QStringList names{QStringLiteral("nvoSpaceTemp"), QStringLiteral("nvoSetptEffect"),
                            QStringLiteral("nvoFanSpeed")};
    const QStringList values{QStringLiteral("21.75"), QStringLiteral("22"), QStringLiteral("33.5")};
    const qint64 times[] = {T0 + 1500, T0 + 2 * Second, T0 + 2 * Second};
    for (int row = 0; row < 3; ++row) {
        const QStringList fields = lines.at(row + 1).split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 3) << lines.at(row + 1).toStdString();
        // The time says its offset, so it reads back to the same moment anywhere.
        const QDateTime time = QDateTime::fromString(fields.at(0), Qt::ISODateWithMs);
        EXPECT_EQ(time.toMSecsSinceEpoch(), times[row]) << fields.at(0).toStdString();
        EXPECT_TRUE(fields.at(0).endsWith(QLatin1Char('Z')) || fields.at(0).contains(QLatin1Char('+')) ||
                    fields.at(0).lastIndexOf(QLatin1Char('-')) > 10)
            << fields.at(0).toStdString();
        EXPECT_EQ(fields.at(1), names.at(row));
        EXPECT_EQ(fields.at(2), values.at(row));
    }
    EXPECT_TRUE(lines.at(4).isEmpty());
}
