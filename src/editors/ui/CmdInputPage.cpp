#include "editors/ui/CmdInputPage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "editors/UnitStatusText.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

namespace {

using namespace point_catalogue;

constexpr int ListWidth = 130;
constexpr int WideWidth = 230;
// Wide enough for the whole unit status text, mode and six numbers.
constexpr int UnitStatusWidth = 330;

QLabel* nvCaption(MainControls& controls, int position, const QString& text)
{
    return page_kit::caption(controls.lblNvi, page_kit::nviCaptionIndex(position), text);
}

// Temperatures and humidities, each with the button that sends the invalid value.
QGroupBox* measuredValues(MainControls& controls)
{
    const struct
    {
        int position;
        const char* caption;
    } rows[] = {{nvi::SpaceTemp, "nviSpaceTemp:"},     {nvi::TempSetpoint, "nviTempSetpoint:"},
                {nvi::SetptOffset, "nviSetptOffset:"}, {nvi::TempOutdoor, "nviTempOutdoor:"},
                {nvi::RhIndoor, "nviRH_Indoor:"},      {nvi::RhOutdoor, "nviRH_Outdoor:"}};
    auto* grid = new QGridLayout;
    int gridRow = 0;
    for (const auto& row : rows) {
        QLabel* label = nvCaption(controls, row.position, QString::fromLatin1(row.caption));
        auto* reset = new QPushButton(QStringLiteral("Reset"));
        controls.cmd_Nvi_Reset.add(row.position, reset);
        accessible_names::link(reset, {reset, label});
        page_kit::addRow(grid, gridRow++, label, page_kit::valueBox(controls.txtNvi, row.position), {reset});
    }
    grid->setColumnStretch(1, 1);
    return page_kit::section(nullptr, grid);
}

QComboBox* entryList(MainControls& controls, int position, const QStringList& entries)
{
    auto* list = new QComboBox;
    list->addItems(entries);
    list->setCurrentIndex(-1);
    list->setFixedWidth(ListWidth);
    controls.cmb_nvi.add(position, list);
    return list;
}

// Switch and occupancy inputs, each with the list of its usual values.
QGroupBox* commands(MainControls& controls)
{
    const QStringList onOff{QStringLiteral("0.0 0"), QStringLiteral("100.0 1")};
    const struct
    {
        int position;
        const char* caption;
        QStringList entries;
    } rows[] = {
        {nvi::EnergyHoldOff,
         "nviEnergyHoldOff:",
         {QStringLiteral("0.0 -1"), QStringLiteral("0.0 0"), QStringLiteral("100.0 1")}},
        {nvi::UserLockoutG, "nviUserLockout_g:", onOff},
        {nvi::UserLockoutL, "nviUserLockout_l:", onOff},
        {nvi::ResetManCmd, "nviReset_ManCmd:", onOff},
        {nvi::Alarm,
         "nviAlarm:",
         {QStringLiteral("0.0 0"), QStringLiteral("50.0 1"), QStringLiteral("100.0 1")}},
        {nvi::OccManCmd,
         "nviOccManCmd:",
         {QStringLiteral("OC_NUL"), QStringLiteral("OC_OCCUPIED"), QStringLiteral("OC_BYPASS"),
          QStringLiteral("OC_STANDBY"), QStringLiteral("OC_UNOCCUPIED")}},
        {nvi::OccSensor,
         "nviOccSensor:",
         {QStringLiteral("OC_NUL"), QStringLiteral("OC_OCCUPIED"), QStringLiteral("OC_UNOCCUPIED")}},
        {nvi::FanSpeedCmd, "nviFanspeedCmd:", {}},
    };
    auto* grid = new QGridLayout;
    int gridRow = 0;
    for (const auto& row : rows) {
        QLabel* label = nvCaption(controls, row.position, QString::fromLatin1(row.caption));
        QList<QWidget*> companions;
        if (!row.entries.isEmpty()) {
            QComboBox* list = entryList(controls, row.position, row.entries);
            accessible_names::link(list, {label});
            companions.append(list);
        }
        page_kit::addRow(grid, gridRow++, label, page_kit::valueBox(controls.txtNvi, row.position),
                         companions);
    }
    grid->setColumnStretch(1, 1);
    return page_kit::section(nullptr, grid);
}

// nviUnitStatus: of its seven fields only the heat and cool outputs are shown; the others are
// carried along in hidden boxes.
QGroupBox* unitStatus(MainControls& controls)
{
    auto* grid = new QGridLayout;
    QLabel* label = nvCaption(controls, nvi::UnitStatus, QStringLiteral("nviUnitStatus:"));
    page_kit::addRow(grid, 0, label, page_kit::valueBox(controls.txtNvi, nvi::UnitStatus, UnitStatusWidth));
    page_kit::addRow(
        grid, 1,
        page_kit::caption(controls.lblNvi, nvi::HeatOutputPrimaryBox, QStringLiteral("heat_output_primary:")),
        page_kit::valueBox(controls.txtNvi, nvi::HeatOutputPrimaryBox));
    page_kit::addRow(grid, 2,
                     page_kit::caption(controls.lblNvi, nvi::CoolOutputBox, QStringLiteral("cool_output:")),
                     page_kit::valueBox(controls.txtNvi, nvi::CoolOutputBox));
    for (int field = 0; field < unit_status_text::FieldCount; ++field) {
        const int box = nvi::UnitStatusFields + field;
        if (box == nvi::HeatOutputPrimaryBox || box == nvi::CoolOutputBox)
            continue;
        QLineEdit* carried = page_kit::valueBox(controls.txtNvi, box);
        carried->hide();
        grid->addWidget(carried, 3, 1);
        accessible_names::link(carried, {label});
    }
    grid->setColumnStretch(1, 1);
    return page_kit::section(nullptr, grid);
}

// nviCmd_all: the bit list and the check boxes of its first seven items, in two columns.
QGroupBox* commandBits(MainControls& controls)
{
    const struct
    {
        int caption;
        const char* text;
    } boxes[] = {{60, "nviUserLockout_g:"}, {61, "nviUserLockout_l:"}, {62, "nviReset_ManCmd:"},
                 {18, "Symbol Heizen:"},    {19, "Symbol Kühlen:"},    {21, "Symbol Fenster:"},
                 {20, "Symbol Störung:"}};
    auto* grid = new QGridLayout;
    QLabel* label = nvCaption(controls, nvi::CmdAll, QStringLiteral("nviCmd_all:"));
    QLineEdit* bits = page_kit::valueBox(controls.txtNvi, nvi::CmdAll, WideWidth);
    grid->addWidget(label, 0, 0);
    grid->addWidget(bits, 0, 1, 1, 3);
    label->setBuddy(bits);
    accessible_names::link(bits, {label});

    constexpr int PerColumn = 4;
    for (int item = 0; item < static_cast<int>(std::size(boxes)); ++item) {
        QLabel* caption =
            page_kit::caption(controls.lblNvi, boxes[item].caption, QString::fromUtf8(boxes[item].text));
        auto* box = new QCheckBox;
        controls.nviCmd_all.add(item, box);
        const int row = 1 + item % PerColumn;
        const int column = 2 * (item / PerColumn);
        grid->addWidget(caption, row, column);
        grid->addWidget(box, row, column + 1);
        caption->setBuddy(box);
        accessible_names::link(box, {caption});
    }
    grid->setColumnStretch(3, 1);
    return page_kit::section(nullptr, grid);
}

} // namespace

QWidget* buildCmdInputPage(MainControls& controls)
{
    auto* left = new QVBoxLayout;
    left->addWidget(measuredValues(controls));
    left->addWidget(commandBits(controls));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(commands(controls));
    right->addWidget(unitStatus(controls));
    right->addStretch();

    return page_kit::twoColumnPage(
        QStringLiteral("tabCmdInput"),
        page_kit::caption(QStringLiteral("lblCmdInputHeading"),
                          QStringLiteral("Space Comfort Control Comand Module: Monitoring Nvi's")),
        left, right);
}
