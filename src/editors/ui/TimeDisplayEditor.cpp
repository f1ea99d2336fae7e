#include "editors/ui/TimeDisplayEditor.h"

#include "device/EditorState.h"
#include "device/TextFields.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/TimeStampText.h"
#include "editors/ui/EditorContext.h"
#include "host/BadValue.h"
#include "host/Log.h"
#include "host/object_server/Error.h"
#include "ui/ChangeMarker.h"
#include "ui/ControlEvents.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <stdexcept>

namespace {

using point_catalogue::cp::TimeConfig;
using point_catalogue::nvi::TimeSet;
constexpr int DisplayConfig = point_catalogue::cp::DisplConfig;
constexpr int DisplayItems = MainControls::DisplayItems;
constexpr int UnitItem = MainControls::UnitItem;
constexpr int SetpointItem = MainControls::SetpointItem;
constexpr int OffsetItem = MainControls::OffsetItem;
constexpr int DateList = 1;
constexpr int TimeList = 2;

std::optional<int> byteOf(const QString& text, int byte)
{
    try {
        return static_cast<int>(text_fields::HexByteField(text, byte));
    } catch (const BadValue&) {
        return std::nullopt;
    }
}

std::optional<bool> bitOf(const QString& text, int bit)
{
    try {
        return text_fields::BitField(text, false, bit, false, false) == QLatin1String("1");
    } catch (const BadValue&) {
        return std::nullopt;
    }
}

} // namespace

TimeDisplayEditor::TimeDisplayEditor(EditorContext& context) : m_context(context)
{
    connectControls();
}

void TimeDisplayEditor::connectControls()
{
    MainControls& controls = m_context.controls;
    ControlEvents& events = m_context.events;
    for (const auto& [index, list] : controls.cmb_time.items()) {
        const int k = index;
        QObject::connect(list, &QComboBox::activated, &m_context.events, [this, k] { cmb_time_Click(k); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this] { help(TimeConfig, false); };
        events.attach(list, std::move(handlers));
    }
    for (int k = 1; k <= 3; ++k) {
        ControlEvents::Handlers date;
        date.keyPress = [this, k](QKeyEvent& event) { return txtdate_KeyPress(k, event); };
        date.keyUp = [this] { txtdate_KeyUp(); };
        date.lostFocus = [this, k] { txtdate_LostFocus(k); };
        date.gotFocus = [this] { help(TimeSet, true); };
        events.attach(controls.txtdate(k), std::move(date));
        ControlEvents::Handlers time;
        time.keyPress = [this, k](QKeyEvent& event) { return txttime_KeyPress(k, event); };
        time.keyUp = [this] { txtdate_KeyUp(); };
        time.lostFocus = [this, k] { txttime_LostFocus(k); };
        time.gotFocus = [this] { help(TimeSet, true); };
        events.attach(controls.txttime(k), std::move(time));
    }
    for (const auto& [index, box] : controls.UCPTdisplConfig.items()) {
        const int k = index;
        // clicked: every user toggle, by pointer or by Space, and never a loaded value.
        QObject::connect(box, &QCheckBox::clicked, &m_context.events,
                         [this, k] { UCPTdisplConfig_Click(k); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this] { help(DisplayConfig, false); };
        events.attach(box, std::move(handlers));
    }
    for (const auto& [index, option] : controls.Unit.items()) {
        QObject::connect(option, &QRadioButton::clicked, &m_context.events, [this] { Unit_Click(); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this] { help(DisplayConfig, false); };
        events.attach(option, std::move(handlers));
    }
}

void TimeDisplayEditor::help(int pointIndex, bool input)
{
    try {
        m_context.procedures.showHelp(input ? QStringLiteral("Nvi") : QStringLiteral("Nci"), pointIndex);
    } catch (const lns::Error& error) {
        m_context.controls.echLog->addError(QStringLiteral(" txtNci_GotFocus") + error.description());
    }
}

void TimeDisplayEditor::showTimeFields(int k, bool shown)
{
    MainControls& controls = m_context.controls;
    if (k == DateList) {
        for (int part = 1; part <= 3; ++part)
            controls.txtdate(part)->setVisible(shown);
        for (const int label : {3, 6, 7, 10})
            controls.lblNctime(label)->setVisible(shown);
    } else if (k == TimeList) {
        for (int part = 1; part <= 3; ++part)
            controls.txttime(part)->setVisible(shown);
        for (const int label : {5, 8, 9, 11})
            controls.lblNctime(label)->setVisible(shown);
        controls.Frametime->setVisible(shown);
    }
}

void TimeDisplayEditor::cmb_time_Click(int k)
{
    MainControls& controls = m_context.controls;
    const int position = controls.cmb_time(k)->currentIndex();
    if (position < 0)
        return;
    showTimeFields(k, position > 0);
    try {
        const QString updated = text_fields::HexByteField(controls.txtNci(TimeConfig)->text(), k, position);
        m_context.state.editedFlag = true;
        controls.txtNci(TimeConfig)->setText(updated);
    } catch (const BadValue&) {
        // A malformed value is not overwritten by a pick.
    }
}

void TimeDisplayEditor::txtNci_Change(int index)
{
    MainControls& controls = m_context.controls;
    const QString text = controls.txtNci(index)->text();
    const QString reference = m_context.points.cp(index).value;
    change_marker::setMarked(controls.txtNci(index), text != reference);
    if (index == TimeConfig) {
        for (int k = 0; k < 4; ++k) {
            const std::optional<int> value = byteOf(text, k);
            QComboBox* list = controls.cmb_time(k);
            if (!value || *value >= list->count())
                continue;
            list->setCurrentIndex(*value);
            if (k == DateList || k == TimeList)
                showTimeFields(k, *value > 0);
            const std::optional<int> device = byteOf(reference, k);
            change_marker::setMarked(list, device ? *device != *value : text != reference);
        }
        return;
    }
    for (int item = 0; item < DisplayItems; ++item) {
        const std::optional<bool> value = bitOf(text, item);
        if (!value)
            return;
        controls.UCPTdisplConfig(item)->setChecked(*value);
        const std::optional<bool> device = bitOf(reference, item);
        change_marker::setMarked(controls.UCPTdisplConfig(item),
                                 device ? *device != *value : text != reference);
    }
    controls.Unit(controls.UCPTdisplConfig(UnitItem)->isChecked() ? 0 : 1)->setChecked(true);
}

void TimeDisplayEditor::UCPTdisplConfig_Click(int k)
{
    MainControls& controls = m_context.controls;
    const bool ticked = controls.UCPTdisplConfig(k)->isChecked();
    if (k == UnitItem)
        controls.Unit(ticked ? 0 : 1)->setChecked(true);
    // The effective set point and the set point offset are never shown together.
    if (ticked && (k == SetpointItem || k == OffsetItem))
        controls.UCPTdisplConfig(k == SetpointItem ? OffsetItem : SetpointItem)->setChecked(false);
    try {
        QString text = controls.txtNci(DisplayConfig)->text();
        text = text_fields::BitField(text, true, k, ticked, false);
        if (k == SetpointItem || k == OffsetItem) {
            const int other = k == SetpointItem ? OffsetItem : SetpointItem;
            text =
                text_fields::BitField(text, true, other, controls.UCPTdisplConfig(other)->isChecked(), false);
        }
        m_context.state.editedFlag = true;
        controls.txtNci(DisplayConfig)->setText(text);
    } catch (const BadValue&) {
        // A malformed value is not overwritten by a click.
    }
}

void TimeDisplayEditor::Unit_Click()
{
    MainControls& controls = m_context.controls;
    controls.UCPTdisplConfig(UnitItem)->setChecked(controls.Unit(0)->isChecked());
    UCPTdisplConfig_Click(UnitItem);
}

bool TimeDisplayEditor::txtdate_KeyPress(int k, QKeyEvent& event)
{
    return m_context.filterKey(m_context.controls.txtdate(k), event, key_rules::KeyClass::Date);
}

bool TimeDisplayEditor::txttime_KeyPress(int k, QKeyEvent& event)
{
    return m_context.filterKey(m_context.controls.txttime(k), event, key_rules::KeyClass::Time);
}

void TimeDisplayEditor::composeTimeStamp()
{
    MainControls& controls = m_context.controls;
    QStringList date;
    QStringList time;
    for (int k = 1; k <= 3; ++k) {
        date.append(controls.txtdate(k)->text());
        time.append(controls.txttime(k)->text());
    }
    setTextIfDifferent(controls.txtNvi(TimeSet), time_stamp_text::compose(date, time));
}

void TimeDisplayEditor::txtdate_KeyUp()
{
    composeTimeStamp();
}

void TimeDisplayEditor::txtdate_LostFocus(int k)
{
    QLineEdit* part = m_context.controls.txtdate(k);
    setTextIfDifferent(part, time_stamp_text::settledDatePart(k - 1, part->text()));
    composeTimeStamp();
}

void TimeDisplayEditor::txttime_LostFocus(int k)
{
    QLineEdit* part = m_context.controls.txttime(k);
    setTextIfDifferent(part, time_stamp_text::settledTimePart(k - 1, part->text()));
    composeTimeStamp();
}

void TimeDisplayEditor::timeStampChanged()
{
    MainControls& controls = m_context.controls;
    const std::optional<time_stamp_text::Parts> parts =
        time_stamp_text::split(controls.txtNvi(TimeSet)->text());
    if (!parts)
        return;
    const std::optional<time_stamp_text::Parts> device =
        time_stamp_text::split(m_context.points.nvi(TimeSet).value);
    setTextIfDifferent(controls.txtdate(0), parts->date);
    setTextIfDifferent(controls.txttime(0), parts->time);
    for (int k = 0; k < 3; ++k) {
        setTextIfDifferent(controls.txtdate(k + 1), parts->dateParts.at(k));
        setTextIfDifferent(controls.txttime(k + 1), parts->timeParts.at(k));
        change_marker::setMarked(controls.txtdate(k + 1),
                                 !device || device->dateParts.at(k) != parts->dateParts.at(k));
        change_marker::setMarked(controls.txttime(k + 1),
                                 !device || device->timeParts.at(k) != parts->timeParts.at(k));
    }
}
