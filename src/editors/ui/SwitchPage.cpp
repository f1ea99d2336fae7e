#include "editors/ui/SwitchPage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace {

const std::array<const char*, point_catalogue::cp::PerSwitch> switchCaptions{
    "MaxOut [%]:",     "MaxSendTime [s]:",    "MinSendTime [s]:",
    "Step Value [%]:", "Reverse Delay [ms]:", "Drive Time [s]:",
};

} // namespace

QWidget* buildSwitchPage(MainControls& controls, int switchObject)
{
    auto* config = new QGridLayout;
    for (int k = 0; k < point_catalogue::cp::PerSwitch; ++k) {
        const int position = point_catalogue::cp::ofSwitch(switchObject, k);
        QLabel* label = page_kit::caption(controls.lblNc, page_kit::cpCaptionIndex(position),
                                          QString::fromLatin1(switchCaptions[static_cast<std::size_t>(k)]));
        page_kit::addCpField(config, k, controls, position, label);
    }
    config->setColumnStretch(1, 1);

    auto* points = new QGridLayout;
    page_kit::addRow(points, 0,
                     page_kit::caption(controls.lblNvi, switchObject, QStringLiteral("nviSwitchFb:")),
                     page_kit::valueBox(controls.txtNvi, switchObject));
    page_kit::addNvoField(points, 1, controls, 2 * switchObject, QStringLiteral("nvoSwitch:"));
    page_kit::addNvoField(points, 2, controls, 2 * switchObject + 1, QStringLiteral("nvoSetting:"));
    points->setColumnStretch(1, 1);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(page_kit::section(nullptr, config), 1, Qt::AlignTop);
    layout->addWidget(page_kit::section(nullptr, points), 1, Qt::AlignTop);
    return page_kit::page(QStringLiteral("tabSwitch%1").arg(switchObject), content);
}
