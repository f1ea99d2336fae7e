#include "editors/ui/ScenePage.h"

#include "device/ui/MainControls.h"
#include "editors/ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

QWidget* buildScenePage(MainControls& controls)
{
    auto* grid = new QGridLayout;
    page_kit::addRow(grid, 0, page_kit::caption(controls.lblNvi, 8, QStringLiteral("nviScSceneFb:")),
                     page_kit::valueBox(controls.txtNvi, 8, 2 * page_kit::ValueWidth));
    page_kit::addRow(grid, 1, page_kit::caption(controls.lblNvi, 80, QStringLiteral("function:")),
                     page_kit::valueBox(controls.txtNvi, 80, 2 * page_kit::ValueWidth));
    page_kit::addRow(grid, 2, page_kit::caption(controls.lblNvi, 81, QStringLiteral("scene_number:")),
                     page_kit::valueBox(controls.txtNvi, 81));
    page_kit::addNvoField(grid, 3, controls, 17, QStringLiteral("nvoScScene:"));
    grid->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(page_kit::section(nullptr, grid), 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch();
    return page_kit::page(QStringLiteral("tabScene"), content);
}
