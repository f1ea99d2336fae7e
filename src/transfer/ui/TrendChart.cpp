#include "transfer/ui/TrendChart.h"

#include "ui/MainControls.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

const QList<QColor> Colours{QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x60, 0xae), QColor(0x27, 0xae, 0x60),
                            QColor(0x8e, 0x44, 0xad)};
constexpr qreal PollPointSize = 6.0;
const QString Celsius = QStringLiteral("°C");
const QString Percent = QStringLiteral("%");
// Room above and below the values, so that a flat line does not sit on the frame.
constexpr double AxisMargin = 0.5;
// The time axis spans at least ten seconds, and shows seconds while it spans less than ten minutes.
constexpr qint64 ShortestTimeSpan = 10 * 1000;
constexpr qint64 LongTimeSpan = 10 * 60 * 1000;

void hideFromLegend(QChart* chart, QAbstractSeries* series)
{
    for (QLegendMarker* marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

} // namespace

TrendChart::TrendChart(QWidget* parent)
    : QWidget(parent), m_chart(new QChart), m_view(new QChartView(m_chart)),
      m_save(new QPushButton(QStringLiteral("Save as CSV"))), m_time(new QDateTimeAxis)
{
    setObjectName(QStringLiteral("TrendChart"));
    m_view->setObjectName(QStringLiteral("TrendChartView"));
    m_view->setAccessibleName(QStringLiteral("Trend of the last hour"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(420, 260);
    m_save->setObjectName(QStringLiteral("TrendSaveCsv"));

    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_time->setTickCount(7);
    m_chart->addAxis(m_time, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_save, 0, Qt::AlignRight);
}

QValueAxis* TrendChart::axisFor(const QString& unit)
{
    QValueAxis*& axis = m_axes[unit];
    if (!axis) {
        axis = new QValueAxis;
        axis->setTitleText(unit);
        axis->setLabelFormat(unit == Percent ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
        if (unit == Percent)
            axis->setRange(0.0, 100.0);
        m_chart->addAxis(axis, unit == Celsius ? Qt::AlignLeft : Qt::AlignRight);
    }
    return axis;
}

TrendChart::Output& TrendChart::output(const MonitorTrend::Series& series, qsizetype index)
{
    while (m_outputs.size() <= index) {
        Output added;
        added.axis = axisFor(series.unit);
        added.points = new QScatterSeries;
        added.points->setObjectName(series.name + QStringLiteral(" polls"));
        added.points->setMarkerSize(PollPointSize);
        added.points->setColor(Colours.at(m_outputs.size() % Colours.size()));
        added.points->setBorderColor(added.points->color());
        m_chart->addSeries(added.points);
        added.points->attachAxis(m_time);
        added.points->attachAxis(added.axis);
        hideFromLegend(m_chart, added.points);
        m_outputs.append(added);
    }
    return m_outputs[index];
}

QLineSeries* TrendChart::line(Output& output, const MonitorTrend::Series& series, qsizetype index)
{
    while (output.lines.size() <= index) {
        auto* added = new QLineSeries;
        added->setObjectName(series.name);
        added->setName(series.name + QStringLiteral(" [") + series.unit + QLatin1Char(']'));
        added->setColor(output.points->color());
        m_chart->addSeries(added);
        added->attachAxis(m_time);
        added->attachAxis(output.axis);
        // One legend entry per output, however often its line is broken.
        if (!output.lines.isEmpty())
            hideFromLegend(m_chart, added);
        output.lines.append(added);
    }
    return output.lines.at(index);
}

void TrendChart::present(const QList<MonitorTrend::Series>& series, qint64 now)
{
    for (qsizetype i = 0; i < series.size(); ++i) {
        const MonitorTrend::Series& one = series.at(i);
        Output& shown = output(one, i);
        // The first line stays even when empty, for the legend.
        const qsizetype lines = std::max<qsizetype>(one.lines.size(), 1);
        for (qsizetype l = 0; l < std::max(lines, shown.lines.size()); ++l)
            line(shown, one, l)->replace(l < one.lines.size() ? one.lines.at(l) : QList<QPointF>());
        shown.points->replace(one.points);
    }
    fitTimeAxis(series, now);
    fitAxes(series);
}

void TrendChart::fitTimeAxis(const QList<MonitorTrend::Series>& series, qint64 now)
{
    // A young trend fills the chart; from an hour on, the last hour scrolls through it.
    double first = static_cast<double>(now);
    for (const MonitorTrend::Series& one : series) {
        if (!one.lines.isEmpty() && !one.lines.front().isEmpty())
            first = std::min(first, one.lines.front().front().x());
    }
    const qint64 start =
        std::max(now - MonitorTrend::Span, std::min(static_cast<qint64>(first), now - ShortestTimeSpan));
    m_time->setFormat(now - start < LongTimeSpan ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    m_time->setRange(QDateTime::fromMSecsSinceEpoch(start), QDateTime::fromMSecsSinceEpoch(now));
}

void TrendChart::fitAxes(const QList<MonitorTrend::Series>& series)
{
    for (auto axis = m_axes.cbegin(); axis != m_axes.cend(); ++axis) {
        if (axis.key() == Percent)
            continue;
        double low = INFINITY;
        double high = -INFINITY;
        for (const MonitorTrend::Series& one : series) {
            if (one.unit != axis.key())
                continue;
            for (const QList<QPointF>& line : one.lines) {
                for (const QPointF& point : line) {
                    low = std::min(low, point.y());
                    high = std::max(high, point.y());
                }
            }
        }
        if (low > high)
            low = high = 0.0;
        axis.value()->setRange(std::floor(low - AxisMargin), std::ceil(high + AxisMargin));
        axis.value()->applyNiceNumbers();
    }
}

TrendChart* buildTrendChart(MainControls& controls)
{
    controls.trendChart = new TrendChart;
    controls.trendChart->hide();
    return controls.trendChart;
}
