#include "editors/ui/CmdConfigPage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <optional>

namespace {

using namespace point_catalogue;

struct Field
{
    int position;
    const char* caption;
};

QGroupBox* fields(MainControls& controls, QLabel* heading, std::initializer_list<Field> list)
{
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Field& field : list) {
        QLabel* label = page_kit::caption(controls.lblNc, page_kit::cpCaptionIndex(field.position),
                                          QString::fromUtf8(field.caption));
        page_kit::addCpField(grid, row++, controls, field.position, label);
    }
    grid->setColumnStretch(1, 1);
    return page_kit::section(heading, grid);
}

QGroupBox* fanStages(MainControls& controls)
{
    auto* grid = new QGridLayout;
    QLabel* label = page_kit::caption(controls.lblNc, page_kit::cpCaptionIndex(cp::FanSpdStages),
                                      QStringLiteral("Anzahl Lüfterstufen:"));
    auto* list = new QComboBox;
    list->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    list->setCurrentIndex(-1);
    list->setFixedWidth(60);
    controls.cmb_nci.add(cp::FanSpdStages, list);
    // The list is the editor: the box beside it shows the count and takes no typing.
    QLineEdit* text = page_kit::displayBox(controls.txtNci, cp::FanSpdStages, 40);
    page_kit::addRow(grid, 0, label, list, {text});
    accessible_names::link(text, {label});
    grid->setColumnStretch(1, 1);
    return page_kit::section(page_kit::caption(controls.lblSection, 0, QStringLiteral("Lüfterstufe")), grid);
}

} // namespace

QWidget* buildCmdConfigPage(MainControls& controls)
{
    auto* left = new QVBoxLayout;
    left->addWidget(fields(controls, page_kit::caption(controls.lblSection, 2, QStringLiteral("Temperatur")),
                           {{cp::SpaceTempMinSendTime, "MinSendTime [s]:"},
                            {cp::MinDeltaTemp, "MinDeltaTemp [K]:"},
                            {cp::OffsetTemp, "TempOffset [K]:"}}));
    left->addWidget(fields(controls, page_kit::caption(controls.lblSection, 1, QStringLiteral("Sollwert")),
                           {{cp::Setpoint, "Sollwert [°C]:"},
                            {cp::SpOffsetRng, "Verstellbereich [K]:"},
                            {cp::SpEditDelta, "Auflösung [K]:"}}));
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(fanStages(controls));
    right->addWidget(fields(controls, nullptr, {{cp::CommandModuleMaxSendTime, "MaxSendTime [s]:"}}));
    right->addStretch();

    return page_kit::twoColumnPage(
        QStringLiteral("tabCmdConfig"),
        page_kit::caption(QStringLiteral("lblCmdConfigHeading"),
                          QStringLiteral("Space Comfort Control Comand Module: Configuration")),
        left, right);
}
