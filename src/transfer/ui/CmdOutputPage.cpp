#include "transfer/ui/CmdOutputPage.h"

#include "device/point_catalogue/PointTables.h"
#include "transfer/ui/MonitoringBar.h"
#include "transfer/ui/TrendChart.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// nvoSpaceTemp ... nvoEffectOccup.
constexpr int FirstOutput = point_catalogue::nvo::SpaceTemp;
constexpr int LastOutput = point_catalogue::nvo::EffectOccup;

} // namespace

QWidget* buildCmdOutputPage(MainControls& controls)
{
    auto* grid = new QGridLayout;
    for (int position = FirstOutput; position <= LastOutput; ++position) {
        const QString name = QString::fromLatin1(point_catalogue::nvoDefinition(position).name);
        page_kit::addNvoField(grid, position - FirstOutput, controls, position, name + QLatin1Char(':'));
    }
    grid->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(buildMonitoringBar(controls));
    layout->addWidget(page_kit::heading(
        page_kit::caption(QStringLiteral("lblCmdOutputHeading"),
                          QStringLiteral("Space Comfort Control Comand Module: Monitoring Nvo's"))));
    // The trend of these outputs stands beside them.
    auto* outputs = new QHBoxLayout;
    outputs->addWidget(page_kit::section(nullptr, grid), 0, Qt::AlignTop);
    outputs->addWidget(buildTrendChart(controls), 1);
    layout->addLayout(outputs);
    layout->addStretch();
    return page_kit::page(QStringLiteral("tabCmdOutput"), content);
}
