#include "editors/ui/LedPage.h"

#include "editors/ui/VisibilityFollower.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int Spacing = 6;
constexpr int RowLabelWidth = 36;

QWidget* ledRows(MainControls& controls, int firstRow, int rows, QLabel* heading)
{
    auto* container = new QWidget;
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(Spacing);
    grid->setColumnMinimumWidth(0, RowLabelWidth);
    // The lists take the width of the tab; never less than their longest entry.
    grid->setColumnStretch(1, 1);
    for (int k = 0; k < rows; ++k) {
        const int row = firstRow + k;
        QLabel* label =
            page_kit::caption(QStringLiteral("lblLedRow(%1)").arg(row), QStringLiteral("T%1").arg(row + 1));
        auto* led = new QComboBox;
        led->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        controls.cmb_led.add(row, led);
        grid->addWidget(label, k, 0);
        grid->addWidget(led, k, 1);
        label->setBuddy(led);
        accessible_names::link(led, {label, heading});
    }
    return container;
}

} // namespace

QWidget* buildLedPage(MainControls& controls)
{
    QLabel* heading = page_kit::caption(controls.lblSection, 4, QStringLiteral("Taster - LED"));

    // The menu buttons' LEDs come and go with the menu rows of the "Device" page.
    QWidget* menuLeds = ledRows(controls, 0, 4, heading);
    menuLeds->setObjectName(QStringLiteral("FrameLEDMenue"));
    QWidget* baseLeds = ledRows(controls, 4, 2, heading);
    baseLeds->setObjectName(QStringLiteral("FrameLEDBase"));
    const auto group = [&](QWidget*& frame, const char* name, int firstRow) {
        frame = ledRows(controls, firstRow, 2, heading);
        frame->setObjectName(QString::fromLatin1(name));
    };
    group(controls.FrameLED4, "FrameLED4", 6);
    group(controls.FrameLED8, "FrameLED8", 8);
    group(controls.FrameLED12, "FrameLED12", 10);

    auto* rows = new QVBoxLayout;
    rows->setSpacing(Spacing);
    for (QWidget* part : {menuLeds, baseLeds, controls.FrameLED4, controls.FrameLED8, controls.FrameLED12})
        rows->addWidget(part);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(page_kit::section(heading, rows));
    layout->addStretch();

    new VisibilityFollower(controls.FrameMenue, menuLeds);
    for (QWidget* frame : {controls.FrameLED4, controls.FrameLED8, controls.FrameLED12})
        frame->hide();
    return page_kit::page(QStringLiteral("tabLED"), content);
}
