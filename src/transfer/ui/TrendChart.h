#pragma once

#include "transfer/MonitorTrend.h"

#include <QList>
#include <QMap>
#include <QWidget>

class QPushButton;
struct MainControls;

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// A small chart of the monitored outputs over the last hour (or since monitoring began, when
// that is less): each output's values as a step line with its poll points, one value axis per
// unit (temperatures on the left), and the button that saves the series as CSV. It presents what
// it is given.
class TrendChart final : public QWidget
{
    Q_OBJECT

public:
    explicit TrendChart(QWidget* parent = nullptr);

    void present(const QList<MonitorTrend::Series>& series, qint64 now);

    QChart* chart() const { return m_chart; }
    QPushButton* saveButton() const { return m_save; }

private:
    struct Output
    {
        QList<QLineSeries*> lines;
        QScatterSeries* points = nullptr;
        QValueAxis* axis = nullptr;
    };

    Output& output(const MonitorTrend::Series& series, qsizetype index);
    QLineSeries* line(Output& output, const MonitorTrend::Series& series, qsizetype index);
    QValueAxis* axisFor(const QString& unit);
    void fitTimeAxis(const QList<MonitorTrend::Series>& series, qint64 now);
    void fitAxes(const QList<MonitorTrend::Series>& series);

    QChart* m_chart;
    QChartView* m_view;
    QPushButton* m_save;
    QDateTimeAxis* m_time;
    QMap<QString, QValueAxis*> m_axes;
    QList<Output> m_outputs;
};

// Builds the chart for the monitoring page, hidden until monitoring is on.
TrendChart* buildTrendChart(MainControls& controls);
