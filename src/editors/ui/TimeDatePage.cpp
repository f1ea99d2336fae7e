#include "editors/ui/TimeDatePage.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"
#include "ui/PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int PartWidth = 60;

QComboBox* timeList(MainControls& controls, int index, const QStringList& entries)
{
    auto* list = new QComboBox;
    list->addItems(entries);
    list->setCurrentIndex(-1);
    list->setMinimumWidth(150);
    controls.cmb_time.add(index, list);
    return list;
}

QGroupBox* timeDisplay(MainControls& controls)
{
    const QStringList language{QStringLiteral("ausblenden"), QStringLiteral("englisch"),
                               QStringLiteral("deutsch")};
    auto* grid = new QGridLayout;
    page_kit::addRow(grid, 0, page_kit::caption(controls.lblNctime, 0, QStringLiteral("Wochentag:")),
                     timeList(controls, 0, language));
    page_kit::addRow(grid, 1, page_kit::caption(controls.lblNctime, 1, QStringLiteral("Datum:")),
                     timeList(controls, 1, language));

    QLabel* timeLabel = page_kit::caption(controls.lblNctime, 2, QStringLiteral("Uhrzeit:"));
    QComboBox* time = timeList(
        controls, 2,
        {QStringLiteral("ausblenden"), QStringLiteral("mit Sekunde"), QStringLiteral("ohne Sekunde")});
    // The 12/24-hour choice only matters while the time is shown.
    controls.Frametime = new QWidget;
    controls.Frametime->setObjectName(QStringLiteral("Frametime"));
    auto* frameLayout = new QHBoxLayout(controls.Frametime);
    frameLayout->setContentsMargins(12, 0, 0, 0);
    QLabel* modeLabel = page_kit::caption(QStringLiteral("lblHourMode"), QStringLiteral("12 / 24 h:"));
    QComboBox* mode =
        timeList(controls, 3, {QStringLiteral("24-Stunden-Modus"), QStringLiteral("12-Stunden-Modus")});
    frameLayout->addWidget(modeLabel);
    frameLayout->addWidget(mode);
    modeLabel->setBuddy(mode);
    accessible_names::link(mode, {timeLabel, modeLabel});
    page_kit::addRow(grid, 2, timeLabel, time, {controls.Frametime});

    page_kit::addRow(
        grid, 3,
        page_kit::caption(controls.lblNc, point_catalogue::cp::TimeConfig, QStringLiteral("UCPTtimeConfig:")),
        page_kit::displayBox(controls.txtNci, point_catalogue::cp::TimeConfig));
    grid->setColumnStretch(1, 1);
    return page_kit::section(page_kit::heading(page_kit::caption(QStringLiteral("lblTimeConfigHeading"),
                                                                 QStringLiteral("UCPTtimeConfig"))),
                             grid);
}

// Year, month, day or hour, minute, second under their headings, in one row after its label.
void addParts(QGridLayout* grid, int headingRow, ControlArray<QLineEdit>& parts, QLabel* rowLabel,
              const QList<QLabel*>& headings)
{
    grid->addWidget(rowLabel, headingRow + 1, 0);
    for (int k = 0; k < headings.size(); ++k) {
        grid->addWidget(headings[k], headingRow, k + 1);
        QLineEdit* part = page_kit::valueBox(parts, k + 1, PartWidth);
        grid->addWidget(part, headingRow + 1, k + 1);
        accessible_names::link(part, {rowLabel, headings[k]});
    }
    rowLabel->setBuddy(parts(1));
}

QGroupBox* timeStamp(MainControls& controls)
{
    auto* grid = new QGridLayout;
    QLabel* dateLabel = page_kit::caption(controls.lblNctime, 10, QStringLiteral("Datum:"));
    QLabel* timeLabel = page_kit::caption(controls.lblNctime, 11, QStringLiteral("Zeit:"));
    addParts(grid, 0, controls.txtdate, dateLabel,
             {page_kit::caption(controls.lblNctime, 3, QStringLiteral("Jahr")),
              page_kit::caption(controls.lblNctime, 6, QStringLiteral("Monat")),
              page_kit::caption(controls.lblNctime, 7, QStringLiteral("Tag"))});
    addParts(grid, 2, controls.txttime, timeLabel,
             {page_kit::caption(controls.lblNctime, 5, QStringLiteral("Stunde")),
              page_kit::caption(controls.lblNctime, 8, QStringLiteral("Minute")),
              page_kit::caption(controls.lblNctime, 9, QStringLiteral("Sekunde"))});

    QLabel* nvLabel = page_kit::caption(controls.lblNvi, 25, QStringLiteral("nviTimeSet:"));
    QLineEdit* nv = page_kit::valueBox(controls.txtNvi, point_catalogue::nvi::TimeSet,
                                       3 * PartWidth + 2 * grid->horizontalSpacing());
    grid->addWidget(nvLabel, 4, 0);
    grid->addWidget(nv, 4, 1, 1, 3);
    nvLabel->setBuddy(nv);
    accessible_names::link(nv, {nvLabel});

    // The date part and the time part of nviTimeSet, held while they are split into the fields.
    const std::pair<ControlArray<QLineEdit>*, QLabel*> holders[] = {{&controls.txtdate, dateLabel},
                                                                    {&controls.txttime, timeLabel}};
    for (const auto& [array, label] : holders) {
        QLineEdit* part = page_kit::valueBox(*array, 0, PartWidth);
        part->hide();
        grid->addWidget(part, 5, 1);
        accessible_names::link(part, {label});
    }
    grid->setColumnStretch(4, 1);
    return page_kit::section(page_kit::caption(controls.lblSection, 3, QStringLiteral("Datum / Uhrzeit")),
                             grid);
}

} // namespace

QWidget* buildTimeDatePage(MainControls& controls)
{
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->addWidget(timeDisplay(controls), 1, Qt::AlignTop);
    layout->addWidget(timeStamp(controls), 1, Qt::AlignTop);
    return page_kit::page(QStringLiteral("tabTimeDate"), content);
}
