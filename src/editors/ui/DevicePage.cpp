#include "editors/ui/DevicePage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "editors/ui/ButtonFunctionLists.h"
#include "editors/ui/FrontView.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int Spacing = 6;
// Fixed column widths keep the rows of the separate row containers aligned as one table.
constexpr int RowLabelWidth = 36;
constexpr int DeviceWidth = 150;
constexpr int FunctionWidth = 250;
constexpr int SceneWidth = 60;
constexpr int ElementWidth = 100;

QGridLayout* tableGrid(QWidget* container)
{
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(Spacing);
    grid->setVerticalSpacing(Spacing);
    grid->setColumnMinimumWidth(0, RowLabelWidth);
    grid->setColumnMinimumWidth(1, DeviceWidth);
    grid->setColumnMinimumWidth(2, FunctionWidth);
    grid->setColumnMinimumWidth(3, ElementWidth);
    grid->setColumnStretch(4, 1);
    return grid;
}

struct Headings
{
    QLabel* object;
    QLabel* function;
    QLabel* element;
};

void addButtonRow(QGridLayout* grid, int gridRow, MainControls& controls, int row, const Headings& headings)
{
    QLabel* label =
        page_kit::caption(QStringLiteral("lblButtonRow(%1)").arg(row), QStringLiteral("T%1").arg(row + 1));
    grid->addWidget(label, gridRow, 0);

    auto* object = new QComboBox;
    object->setFixedWidth(DeviceWidth);
    object->addItems(ButtonFunctionLists::objectEntries());
    object->setCurrentIndex(-1);
    controls.cmb_device.add(row, object);
    grid->addWidget(object, gridRow, 1);

    // The function list and the scene number share the cell: a scene panel has a number instead.
    auto* function = new QComboBox;
    function->setFixedWidth(FunctionWidth);
    function->addItems(ButtonFunctionLists::formDefaults());
    function->setCurrentIndex(-1);
    controls.cmb_function.add(row, function);
    QLineEdit* scene = page_kit::valueBox(controls.txtNciscene, row, SceneWidth);
    scene->hide();
    auto* cell = new QHBoxLayout;
    cell->setSpacing(0);
    cell->addWidget(function);
    cell->addWidget(scene);
    cell->addStretch();
    grid->addLayout(cell, gridRow, 2);

    QLineEdit* element = page_kit::valueBox(controls.txtNcielement, row, ElementWidth);
    grid->addWidget(element, gridRow, 3);

    label->setBuddy(object);
    accessible_names::link(object, {label, headings.object});
    accessible_names::link(function, {label, headings.function});
    accessible_names::link(scene, {label, headings.function});
    accessible_names::link(element, {label, headings.element});
}

// A container of button rows, hidden as a whole when the unit lacks those buttons.
QWidget* rowGroup(MainControls& controls, int firstRow, int rows, const Headings& headings)
{
    auto* container = new QWidget;
    QGridLayout* grid = tableGrid(container);
    for (int k = 0; k < rows; ++k)
        addButtonRow(grid, k, controls, firstRow + k, headings);
    return container;
}

QWidget* buttonTable(MainControls& controls)
{
    auto* header = new QWidget;
    QGridLayout* headerGrid = tableGrid(header);
    const Headings headings{
        page_kit::heading(page_kit::caption(controls.lblButtonHeading, 0, QStringLiteral("Tastenzuordnung"))),
        page_kit::heading(page_kit::caption(controls.lblButtonHeading, 1, QStringLiteral("Tastenfunktion"))),
        page_kit::heading(
            page_kit::caption(QStringLiteral("lblElementHeading"), QStringLiteral("UCPTdiConfig"))),
    };
    headerGrid->addWidget(headings.object, 0, 1);
    headerGrid->addWidget(headings.function, 0, 2);
    headerGrid->addWidget(headings.element, 0, 3);

    controls.FrameMenue = rowGroup(controls, 0, 4, headings);
    controls.FrameMenue->setObjectName(QStringLiteral("FrameMenue"));
    QWidget* baseRows = rowGroup(controls, 4, 2, headings);
    baseRows->setObjectName(QStringLiteral("FrameBase"));
    const auto single = [&](QWidget*& frame, const char* name, int row) {
        frame = rowGroup(controls, row, 1, headings);
        frame->setObjectName(QString::fromLatin1(name));
    };
    single(controls.Frame4T1, "Frame4T1", 6);
    single(controls.Frame4T2, "Frame4T2", 7);
    single(controls.Frame8T1, "Frame8T1", 8);
    single(controls.Frame8T2, "Frame8T2", 9);
    single(controls.Frame12T1, "Frame12T1", 10);
    single(controls.Frame12T2, "Frame12T2", 11);

    auto* rows = new QVBoxLayout;
    rows->setSpacing(Spacing);
    for (QWidget* part : {header, controls.FrameMenue, baseRows, controls.Frame4T1, controls.Frame4T2,
                          controls.Frame8T1, controls.Frame8T2, controls.Frame12T1, controls.Frame12T2})
        rows->addWidget(part);

    auto* diConfigRow = new QGridLayout;
    QLabel* diConfigLabel =
        page_kit::caption(controls.lblNc, point_catalogue::cp::DiConfig, QStringLiteral("UCPTdiConfig:"));
    QList<QLineEdit*> elements;
    for (int row = 0; row < point_catalogue::cp::Buttons; ++row)
        elements.append(controls.txtNcielement(row));
    // All twelve elements: the row takes the table's whole width.
    QLineEdit* wholeValue = page_kit::arrayValueBox(controls, point_catalogue::cp::DiConfig, elements);
    diConfigRow->addWidget(diConfigLabel, 0, 0);
    diConfigRow->addWidget(wholeValue, 0, 1);
    diConfigRow->addWidget(controls.txtNci(point_catalogue::cp::DiConfig), 0, 2);
    diConfigLabel->setBuddy(wholeValue);
    accessible_names::link(wholeValue, {diConfigLabel});
    accessible_names::link(controls.txtNci(point_catalogue::cp::DiConfig), {diConfigLabel});
    diConfigRow->setColumnStretch(1, 1);
    rows->addSpacing(Spacing);
    rows->addLayout(diConfigRow);
    return page_kit::section(nullptr, rows);
}

QLabel* picture(QLabel*& member, const char* name, int buttons, bool menuButtons, qreal pixelRatio)
{
    const FrontView view(buttons, menuButtons);
    member = new QLabel;
    member->setObjectName(QString::fromLatin1(name));
    member->setPixmap(view.pixmap(pixelRatio));
    member->setFixedSize(FrontView::size());
    member->setAccessibleName(view.description());
    return member;
}

QWidget* deviceColumn(MainControls& controls, qreal pixelRatio)
{
    auto* grid = new QGridLayout;
    QLabel* typeLabel =
        page_kit::caption(controls.lblNc, page_kit::cpCaptionIndex(1), QStringLiteral("Gerätetyp:"));
    auto* type = new QComboBox;
    type->addItems({QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"),
                    QStringLiteral("12")});
    type->setCurrentIndex(-1);
    type->setFixedWidth(60);
    controls.cmb_nci.add(1, type);
    QLineEdit* typeText = page_kit::displayBox(controls.txtNci, 1, 40);
    page_kit::addRow(grid, 0, typeLabel, type, {typeText});
    accessible_names::link(typeText, {typeLabel});

    controls.lblMenucheck =
        page_kit::caption(QStringLiteral("lblMenucheck"), QStringLiteral("Menütasten vorhanden:"));
    controls.menucheck = new QCheckBox;
    controls.menucheck->setObjectName(QStringLiteral("menucheck"));
    page_kit::addRow(grid, 1, controls.lblMenucheck, controls.menucheck);

    auto* column = new QVBoxLayout;
    column->addLayout(grid);
    column->addSpacing(Spacing);
    // One picture per device type and menu choice; the device type shows exactly one.
    for (QLabel* image : {picture(controls.Image2T, "Image2T", 2, false, pixelRatio),
                          picture(controls.Image2T4, "Image2T4", 2, true, pixelRatio),
                          picture(controls.Image4T, "Image4T", 4, false, pixelRatio),
                          picture(controls.Image4T4, "Image4T4", 4, true, pixelRatio),
                          picture(controls.Image6T, "Image6T", 6, false, pixelRatio),
                          picture(controls.Image6T4, "Image6T4", 6, true, pixelRatio),
                          picture(controls.Image8T, "Image8T", 8, false, pixelRatio),
                          picture(controls.Image12T, "Image12T", 8, true, pixelRatio)}) {
        column->addWidget(image, 0, Qt::AlignHCenter);
        if (image != controls.Image2T)
            image->hide();
    }
    return page_kit::section(nullptr, column);
}

} // namespace

QWidget* buildDevicePage(MainControls& controls)
{
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(deviceColumn(controls, controls.tabData->devicePixelRatioF()), 0, Qt::AlignTop);
    layout->addWidget(buttonTable(controls), 1, Qt::AlignTop);

    // Until a device type is loaded the window shows the smallest unit: T5 and T6 only.
    for (QWidget* frame : {controls.FrameMenue, controls.Frame4T1, controls.Frame4T2, controls.Frame8T1,
                           controls.Frame8T2, controls.Frame12T1, controls.Frame12T2})
        frame->hide();
    return page_kit::page(QStringLiteral("tabDevice"), content);
}
