#include "device/ui/MainPages.h"

#include "device/EditorState.h"
#include "device/point_catalogue/PointCatalogue.h"
#include "editors/ui/CmdConfigPage.h"
#include "editors/ui/CmdInputPage.h"
#include "editors/ui/DevicePage.h"
#include "editors/ui/DisplayPage.h"
#include "editors/ui/LedPage.h"
#include "editors/ui/OccupancyPage.h"
#include "editors/ui/ScenePage.h"
#include "editors/ui/SwitchPage.h"
#include "editors/ui/TabRules.h"
#include "editors/ui/TimeDatePage.h"
#include "transfer/ui/CmdOutputPage.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"

#include <QTabWidget>

void buildMainPages(MainControls& controls)
{
    accessible_names::installListNames();
    QTabWidget* tabs = controls.tabData;
    // The LED page follows the menu rows of the device page, so the device page comes first.
    tabs->addTab(buildDevicePage(controls), QStringLiteral("Device"));
    tabs->addTab(buildLedPage(controls), QStringLiteral("LED"));
    tabs->addTab(buildDisplayPage(controls), QStringLiteral("Display"));
    tabs->addTab(buildTimeDatePage(controls), QStringLiteral("Time / Date"));
    tabs->addTab(buildCmdInputPage(controls), QStringLiteral("CMD Input"));
    tabs->addTab(buildCmdOutputPage(controls), QStringLiteral("CMD Output"));
    tabs->addTab(buildCmdConfigPage(controls), QStringLiteral("CMD Config"));
    for (int k = 0; k < point_catalogue::cp::SwitchObjects; ++k)
        tabs->addTab(buildSwitchPage(controls, k), QStringLiteral("Switch %1").arg(k));
    tabs->addTab(buildScenePage(controls), QStringLiteral("Scene"));
    tabs->addTab(buildOccupancyPage(controls), QStringLiteral("Occupancy"));

    // Until a device is loaded no button drives an object, so no function tab is on.
    set_tabs(controls, EditorState{});
}
