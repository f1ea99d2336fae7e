#include "editors/ui/OccupancyPage.h"

#include "device/ui/MainControls.h"
#include "editors/ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

QWidget* buildOccupancyPage(MainControls& controls)
{
    auto* grid = new QGridLayout;
    page_kit::addCpField(grid, 0, controls, 55,
                         page_kit::caption(controls.lblNc, 55, QStringLiteral("MaxsendtimeTime [s]:")));
    page_kit::addCpField(grid, 1, controls, 56,
                         page_kit::caption(controls.lblNc, 56, QStringLiteral("BypassTime [min]:")));
    page_kit::addNvoField(grid, 2, controls, 16, QStringLiteral("nvoOsOccup:"));
    grid->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(page_kit::section(nullptr, grid), 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch();
    return page_kit::page(QStringLiteral("tabOccupancy"), content);
}
