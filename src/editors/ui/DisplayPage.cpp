#include "editors/ui/DisplayPage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace {

using namespace point_catalogue;

const std::array<const char*, MainControls::DisplayItems> displayCaptions{
    "Raumtemperatur anzeigen:",
    "Außentemperatur anzeigen:",
    "Solltemperatur effektiv anzeigen:",
    "Sollwertoffset anzeigen:",
    "Maßeinheit Temperatur            °C          °F      ",
    "Nachkommastelle Temperatur anzeigen:",
    "Rel. Feuchte Raumluft anzeigen:",
    "Rel. Feuchte Aussenluft anzeigen:",
    "Nachkommastelle rel. Feuchte anzeigen:",
    "Raumbelegung anzeigen:",
    "Lüfter anzeigen:",
    "Sollwertoffset bei Verstellung anzeigen:",
    "Sollwertaufruf bei erstem Tastendruck:",
    "Effektiven Sollwert für nviTempSetpoint verwenden:",
};

// The temperature unit is one choice: the caption names the units (°C left, °F right) and the two
// option buttons under them pick one. Item 4's check box holds the bit and stays out of sight.
void addUnitRow(QGridLayout* grid, int row, MainControls& controls, QLabel* label, QCheckBox* box)
{
    grid->addWidget(label, row, 0);
    auto* cell = new QHBoxLayout;
    auto* units = new QButtonGroup(box);
    for (int unit = 0; unit < 2; ++unit) {
        const QString name = unit == 0 ? QStringLiteral("°C") : QStringLiteral("°F");
        auto* option = new QRadioButton;
        option->setToolTip(name);
        option->setAccessibleName(name);
        controls.Unit.add(unit, option);
        units->addButton(option);
        cell->addWidget(option);
    }
    box->hide();
    cell->addWidget(box);
    cell->addStretch();
    grid->addLayout(cell, row, 1);
    label->setBuddy(controls.Unit(0));
    // The hidden box shows its mark on the caption, like every other display item.
    accessible_names::link(box, {label});
}

QGroupBox* displayItems(MainControls& controls)
{
    auto* grid = new QGridLayout;
    for (int item = 0; item < static_cast<int>(displayCaptions.size()); ++item) {
        QLabel* label =
            page_kit::caption(controls.lbldisplay, item, QString::fromUtf8(displayCaptions[item]));
        auto* box = new QCheckBox;
        controls.UCPTdisplConfig.add(item, box);
        if (item == MainControls::UnitItem)
            addUnitRow(grid, item, controls, label, box);
        else
            page_kit::addRow(grid, item, label, box);
    }
    QLabel* textLabel =
        page_kit::caption(controls.lblNc, cp::DisplConfig, QStringLiteral("UCPTdisplConfig:"));
    page_kit::addRow(grid, static_cast<int>(displayCaptions.size()), textLabel,
                     page_kit::displayBox(controls.txtNci, cp::DisplConfig, 230));
    grid->setColumnStretch(1, 1);
    return page_kit::section(page_kit::caption(controls.lblSection, 5, QStringLiteral("Anzeige")), grid);
}

QGroupBox* updateInterval(MainControls& controls)
{
    auto* grid = new QGridLayout;
    QLabel* label =
        page_kit::caption(controls.lblNctime, 4, QStringLiteral("Aktuallisierungsintervall [s]:"));
    page_kit::addCpField(grid, 0, controls, cp::DisplayTime, label);
    grid->setColumnStretch(1, 1);
    return page_kit::section(nullptr, grid);
}

QGroupBox* backlight(MainControls& controls)
{
    auto* grid = new QGridLayout;
    QLabel* inactive = page_kit::caption(controls.lblNcback, 0, QStringLiteral("Ruhezustand:"));
    QLabel* actuation = page_kit::caption(controls.lblNcback, 1, QStringLiteral("Tastbetätigung:"));
    QLabel* lcd = page_kit::caption(controls.lblNcback, 2, QStringLiteral("LCD"));
    QLabel* labelField = page_kit::caption(controls.lblNcback, 3, QStringLiteral("Beschriftungsfeld"));
    grid->addWidget(lcd, 0, 1);
    grid->addWidget(labelField, 0, 2);
    grid->addWidget(inactive, 1, 0);
    grid->addWidget(actuation, 2, 0);

    const QString unit = QStringLiteral("%");
    // Elements 0 (LCD) and 1 (label field) of UCPTbacklightMin and UCPTbacklightMax.
    const struct
    {
        int index;
        QLabel* row;
        QLabel* column;
        int gridRow;
        int gridColumn;
    } cells[] = {{cp::BacklightMinBoxes, inactive, lcd, 1, 1},
                 {cp::BacklightMinBoxes + 1, inactive, labelField, 1, 2},
                 {cp::BacklightMaxBoxes, actuation, lcd, 2, 1},
                 {cp::BacklightMaxBoxes + 1, actuation, labelField, 2, 2}};
    for (const auto& cell : cells) {
        grid->addWidget(page_kit::cpBoxWithUpDown(controls, cell.index, unit), cell.gridRow, cell.gridColumn);
        accessible_names::link(controls.txtNci(cell.index), {cell.row, cell.column});
        accessible_names::link(controls.UpD_nci(cell.index), {cell.row, cell.column});
    }

    // The array values themselves, which carry the mark of a changed element.
    auto* arrays = new QGridLayout;
    const struct
    {
        int position;
        const char* caption;
        int firstElement;
    } arrayRows[] = {{cp::BacklightMin, "UCPTbacklightMin:", cp::BacklightMinBoxes},
                     {cp::BacklightMax, "UCPTbacklightMax:", cp::BacklightMaxBoxes}};
    for (const auto& array : arrayRows) {
        QLabel* label = page_kit::caption(controls.lblNc, array.position, QString::fromLatin1(array.caption));
        QLineEdit* whole = page_kit::arrayValueBox(
            controls, array.position,
            {controls.txtNci(array.firstElement), controls.txtNci(array.firstElement + 1)});
        page_kit::addRow(arrays, array.position - cp::BacklightMin, label, whole,
                         {controls.txtNci(array.position)});
        accessible_names::link(controls.txtNci(array.position), {label});
    }
    arrays->setColumnStretch(1, 1);

    auto* body = new QVBoxLayout;
    grid->setColumnStretch(3, 1);
    body->addLayout(grid);
    body->addSpacing(8);
    body->addLayout(arrays);
    return page_kit::section(
        page_kit::caption(controls.lblSection, 6, QStringLiteral("Hintergrundbeleuchtung")), body);
}

} // namespace

QWidget* buildDisplayPage(MainControls& controls)
{
    auto* right = new QVBoxLayout;
    right->addWidget(updateInterval(controls));
    right->addWidget(backlight(controls));
    right->addStretch();

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(displayItems(controls), 0, Qt::AlignTop);
    layout->addLayout(right, 1);
    return page_kit::page(QStringLiteral("tabDisplay"), content);
}
