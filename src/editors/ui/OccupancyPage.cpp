#include "editors/ui/OccupancyPage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

QWidget* buildOccupancyPage(MainControls& controls)
{
    auto* grid = new QGridLayout;
    using namespace point_catalogue;
    page_kit::addCpField(
        grid, 0, controls, cp::OccupancyMaxSendTime,
        page_kit::caption(controls.lblNc, cp::OccupancyMaxSendTime, QStringLiteral("MaxsendtimeTime [s]:")));
    page_kit::addCpField(
        grid, 1, controls, cp::OccupancyBypassTime,
        page_kit::caption(controls.lblNc, cp::OccupancyBypassTime, QStringLiteral("BypassTime [min]:")));
    page_kit::addNvoField(grid, 2, controls, nvo::OsOccup, QStringLiteral("nvoOsOccup:"));
    grid->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(page_kit::section(nullptr, grid), 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch();
    return page_kit::page(QStringLiteral("tabOccupancy"), content);
}
