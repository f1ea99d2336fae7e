#include "editors/ui/NvInputPanel.h"

#include "device/EditorState.h"
#include "device/TextFields.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/NumberText.h"
#include "editors/UnitStatusText.h"
#include "editors/ui/EditorContext.h"
#include "editors/ui/TimeDisplayEditor.h"
#include "host/BadValue.h"
#include "host/BestEffort.h"
#include "host/Log.h"
#include "host/object_server/Error.h"
#include "host/object_server/NetworkVariable.h"
#include "ui/ChangeMarker.h"
#include "ui/ControlEvents.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using namespace point_catalogue::nvi;

constexpr int LastUnitField = UnitStatusFields + unit_status_text::FieldCount - 1;
// The number fields among the unit status fields: all but in_alarm.
constexpr int LastDecimalUnitField = LastUnitField - 1;
constexpr int MaxOutput = 100;

bool isUnitField(int index)
{
    return index >= UnitStatusFields && index <= LastUnitField;
}

} // namespace

NvInputPanel::NvInputPanel(EditorContext& context, TimeDisplayEditor& timeDisplay)
    : m_context(context), m_timeDisplay(timeDisplay)
{
    connectControls();
}

key_rules::KeyClass NvInputPanel::keyClass(int index)
{
    using key_rules::KeyClass;
    if (index == SpaceTemp || index == TempOutdoor)
        return KeyClass::SignedDecimal;
    if (index == TempSetpoint || index == RhIndoor || index == RhOutdoor || index == SetptOffset ||
        (index >= UnitStatusFields && index <= LastDecimalUnitField))
        return KeyClass::Decimal;
    if ((index >= FirstSwitchFb && index <= LastSwitchFb) || index == FanSpeedCmd)
        return KeyClass::Switch;
    if (index == SceneName)
        return KeyClass::SceneName;
    if (index == SceneNumber)
        return KeyClass::SceneNumber;
    return KeyClass::Any;
}

int NvInputPanel::ownField(int index)
{
    if (isUnitField(index))
        return UnitStatus;
    if (index == SceneName || index == SceneNumber)
        return ScSceneFb;
    return index;
}

QString NvInputPanel::entryText(const QString& entry) const
{
    QString text = entry;
    if (!text.startsWith(QLatin1String("OC_")))
        text.replace(QLatin1Char('.'), m_context.separator());
    return text;
}

void NvInputPanel::connectControls()
{
    MainControls& controls = m_context.controls;
    ControlEvents& events = m_context.events;
    for (const auto& [index, field] : controls.txtNvi.items()) {
        const int i = index;
        QObject::connect(field, &QLineEdit::textChanged, &m_context.events, [this, i] { txtNvi_Change(i); });
        ControlEvents::Handlers handlers;
        handlers.keyPress = [this, i](QKeyEvent& event) { return txtNvi_KeyPress(i, event); };
        handlers.lostFocus = [this, i] { txtNvi_LostFocus(i); };
        handlers.gotFocus = [this, i] { txtNvi_GotFocus(i); };
        events.attach(field, std::move(handlers));
    }
    for (const auto& [index, list] : controls.cmb_nvi.items()) {
        const int i = index;
        QObject::connect(list, &QComboBox::activated, &m_context.events, [this, i] { cmb_nvi_Click(i); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this, i] { txtNvi_GotFocus(i); };
        events.attach(list, std::move(handlers));
    }
    for (const auto& [index, box] : controls.nviCmd_all.items()) {
        const int k = index;
        QObject::connect(box, &QCheckBox::clicked, &m_context.events, [this, k] { nviCmd_all_Click(k); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this] { txtNvi_GotFocus(CmdAll); };
        events.attach(box, std::move(handlers));
    }
    for (const auto& [index, button] : controls.cmd_Nvi_Reset.items()) {
        const int i = index;
        QObject::connect(button, &QPushButton::clicked, &m_context.events,
                         [this, i] { cmd_Nvi_Reset_Click(i); });
    }
}

void NvInputPanel::hold(int position)
{
    if (!m_context.monitoring())
        return;
    // On failure monitoring may overwrite the edit; the edit itself goes on.
    bestEffort([&] {
        if (const auto nv = m_context.inputNv(position))
            nv->setHold(true);
    });
}

void NvInputPanel::txtNvi_Change(int index)
{
    if (!m_context.windowVisible() || m_changing.contains(index))
        return;
    m_changing.insert(index);
    MainControls& controls = m_context.controls;
    try {
        split(index);
        const int own = ownField(index);
        const bool marked = own == UnitStatus
                                ? !unit_status_text::sameStatus(controls.txtNvi(own)->text(), reference(own))
                                : controls.txtNvi(own)->text() != reference(own);
        if (marked)
            hold(own);
        change_marker::setMarked(controls.txtNvi(own), marked);
        if (controls.cmb_nvi.contains(own))
            change_marker::setMarked(controls.cmb_nvi(own), marked);
        if (own == UnitStatus)
            markUnitStatusFields();
    } catch (const BadValue&) {
        // A text that does not split leaves the sub-fields as they were.
    } catch (const std::out_of_range&) {
    }
    m_changing.remove(index);
    m_context.procedures.func_red_field();
}

void NvInputPanel::fillSubFields(const std::vector<std::pair<int, QString>>& texts)
{
    // The sub-fields are written as a whole: none of them composes the value from the others while
    // the rest still show the previous one.
    for (const auto& [field, text] : texts)
        m_changing.insert(field);
    for (const auto& [field, text] : texts)
        setTextIfDifferent(m_context.controls.txtNvi(field), text);
    for (const auto& [field, text] : texts)
        m_changing.remove(field);
}

void NvInputPanel::split(int index)
{
    MainControls& controls = m_context.controls;
    if (index == ScSceneFb) {
        const QString text = controls.txtNvi(ScSceneFb)->text();
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        if (blank < 0)
            return;
        fillSubFields({{SceneName, text.left(blank)}, {SceneNumber, text.mid(blank + 1)}});
        const QString device = m_context.points.nvi(ScSceneFb).value;
        const qsizetype deviceBlank = device.indexOf(QLatin1Char(' '));
        change_marker::setMarked(controls.txtNvi(SceneName), device.left(deviceBlank) != text.left(blank));
        change_marker::setMarked(controls.txtNvi(SceneNumber),
                                 deviceBlank < 0 || device.mid(deviceBlank + 1) != text.mid(blank + 1));
    } else if (index == SceneName || index == SceneNumber) {
        controls.txtNvi(ScSceneFb)->setText(controls.txtNvi(SceneName)->text() + QLatin1Char(' ') +
                                            controls.txtNvi(SceneNumber)->text());
    } else if (index == UnitStatus && !m_composing) {
        // The value is normalised as a text (never from the model), so the fields show what the
        // box holds, with the user's separator.
        const QString text = controls.txtNvi(UnitStatus)->text();
        unit_status_text::Fields fields;
        if (m_context.separator() == QLatin1String(",")) {
            const unit_status_text::Normalised normalised = unit_status_text::normaliseCommaDecimals(text);
            fields = normalised.fields;
            m_context.state.unitStatusFields = fields;
            setTextIfDifferent(controls.txtNvi(UnitStatus), normalised.value);
        } else {
            fields = unit_status_text::split(text);
            m_context.state.unitStatusFields = fields;
        }
        std::vector<std::pair<int, QString>> texts;
        for (int k = 0; k < unit_status_text::FieldCount; ++k)
            texts.emplace_back(UnitStatusFields + k, fields[static_cast<std::size_t>(k)]);
        fillSubFields(texts);
    } else if (isUnitField(index)) {
        unit_status_text::Fields fields;
        for (int k = 0; k < unit_status_text::FieldCount; ++k)
            fields[static_cast<std::size_t>(k)] = controls.txtNvi(UnitStatusFields + k)->text();
        m_context.state.unitStatusFields = fields;
        m_composing = true;
        controls.txtNvi(UnitStatus)->setText(unit_status_text::compose(fields, m_context.separator()));
        m_composing = false;
    } else if (index == CmdAll) {
        const QString text = controls.txtNvi(CmdAll)->text();
        const QString& device = m_context.points.nvi(CmdAll).value;
        const auto bitOf = [](const QString& bits, int bit) -> std::optional<bool> {
            try {
                return text_fields::BitField(bits, false, bit, false, false) == QLatin1String("1");
            } catch (const BadValue&) {
                return std::nullopt;
            }
        };
        for (int bit = 0; bit < MainControls::CommandBoxes; ++bit) {
            const bool ticked = text_fields::BitField(text, false, bit, false, false) == QLatin1String("1");
            controls.nviCmd_all(bit)->setChecked(ticked);
            // Each box is marked by its own bit, as the lists of the other editors are.
            const std::optional<bool> deviceBit = bitOf(device, bit);
            change_marker::setMarked(controls.nviCmd_all(bit),
                                     deviceBit ? *deviceBit != ticked : text != device);
        }
    } else if (controls.cmb_nvi.contains(index)) {
        QComboBox* list = controls.cmb_nvi(index);
        const QString text = controls.txtNvi(index)->text();
        int found = -1;
        for (int entry = 0; entry < list->count() && found < 0; ++entry) {
            if (entryText(list->itemText(entry)) == text)
                found = entry;
        }
        list->setCurrentIndex(found);
    } else if (index == TimeSet) {
        m_timeDisplay.timeStampChanged();
    }
}

QString NvInputPanel::reference(int position) const
{
    const QString& value = m_context.points.nvi(position).value;
    if (position != UnitStatus || m_context.separator() != QLatin1String(","))
        return value;
    // Compared in the form the box shows, whether or not the loading has normalised it yet.
    try {
        return unit_status_text::normaliseCommaDecimals(value).value;
    } catch (const BadValue&) {
        return value;
    }
}

void NvInputPanel::markUnitStatusFields()
{
    MainControls& controls = m_context.controls;
    const QStringList deviceFields = reference(UnitStatus).split(QLatin1Char(','));
    for (const int field : {HeatOutputPrimaryBox, CoolOutputBox}) {
        const int k = field - UnitStatusFields;
        const QString shown =
            unit_status_text::normaliseField(controls.txtNvi(field)->text(), m_context.separator());
        change_marker::setMarked(controls.txtNvi(field),
                                 !number_text::sameValue(shown, deviceFields.value(k), QStringLiteral(".")));
    }
}

bool NvInputPanel::txtNvi_KeyPress(int index, QKeyEvent& event)
{
    if (!event.text().isEmpty())
        hold(ownField(index));
    return m_context.filterKey(m_context.controls.txtNvi(index), event, keyClass(index));
}

void NvInputPanel::txtNvi_LostFocus(int index)
{
    QLineEdit* field = m_context.controls.txtNvi(index);
    if (field->isReadOnly())
        return;
    setTextIfDifferent(field, field->text().toUpper());
    if (index == HeatOutputPrimaryBox || index == CoolOutputBox) {
        const std::optional<double> output = number_text::parse(field->text(), m_context.separator());
        if (field->text().isEmpty() || (output && *output > MaxOutput))
            field->setText(QStringLiteral("0") + m_context.separator() + QStringLiteral("000"));
    }
}

void NvInputPanel::txtNvi_GotFocus(int index)
{
    const int position = ownField(index);
    try {
        m_context.procedures.showHelp(QStringLiteral("Nvi"), position);
    } catch (const lns::Error& error) {
        m_context.controls.echLog->addError(QStringLiteral(" txtNvi_GotFocus") + error.description());
    }
}

void NvInputPanel::cmb_nvi_Click(int index)
{
    QComboBox* list = m_context.controls.cmb_nvi(index);
    if (list->currentIndex() >= 0)
        m_context.controls.txtNvi(index)->setText(entryText(list->currentText()));
}

void NvInputPanel::nviCmd_all_Click(int k)
{
    MainControls& controls = m_context.controls;
    try {
        controls.txtNvi(CmdAll)->setText(text_fields::BitField(controls.txtNvi(CmdAll)->text(), true, k,
                                                               controls.nviCmd_all(k)->isChecked(), false));
    } catch (const BadValue&) {
        // A malformed bit list stays as it is.
    }
}

void NvInputPanel::cmd_Nvi_Reset_Click(int index)
{
    const QString& separator = m_context.separator();
    const bool humidity = index == RhIndoor || index == RhOutdoor;
    m_context.controls.txtNvi(index)->setText(humidity
                                                  ? QStringLiteral("163") + separator + QStringLiteral("835")
                                                  : QStringLiteral("327") + separator + QStringLiteral("67"));
}
