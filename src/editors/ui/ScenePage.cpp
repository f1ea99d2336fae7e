#include "editors/ui/ScenePage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

QWidget* buildScenePage(MainControls& controls)
{
    using namespace point_catalogue;
    auto* grid = new QGridLayout;
    page_kit::addRow(grid, 0,
                     page_kit::caption(controls.lblNvi, nvi::ScSceneFb, QStringLiteral("nviScSceneFb:")),
                     page_kit::valueBox(controls.txtNvi, nvi::ScSceneFb, 2 * page_kit::ValueWidth));
    page_kit::addRow(grid, 1, page_kit::caption(controls.lblNvi, nvi::SceneName, QStringLiteral("function:")),
                     page_kit::valueBox(controls.txtNvi, nvi::SceneName, 2 * page_kit::ValueWidth));
    page_kit::addRow(grid, 2,
                     page_kit::caption(controls.lblNvi, nvi::SceneNumber, QStringLiteral("scene_number:")),
                     page_kit::valueBox(controls.txtNvi, nvi::SceneNumber));
    page_kit::addNvoField(grid, 3, controls, nvo::ScScene, QStringLiteral("nvoScScene:"));
    grid->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(page_kit::section(nullptr, grid), 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch();
    return page_kit::page(QStringLiteral("tabScene"), content);
}
