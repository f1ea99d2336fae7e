#include "device/ui/EditorLoader.h"

#include "device/EditorState.h"
#include "device/FrameworkSettings.h"
#include "device/TextFields.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/UnitStatusText.h"
#include "editors/ui/ButtonFunctionLists.h"
#include "editors/ui/ButtonRowView.h"
#include "editors/ui/DeviceTypeLayout.h"
#include "editors/ui/TabRules.h"
#include "host/BadValue.h"
#include "host/object_server/Error.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using namespace point_catalogue;

// A step that fails is skipped; the next one runs.
void skippingOnError(const std::function<void()>& step)
{
    try {
        step();
    } catch (const BadValue&) {
    } catch (const lns::Error&) {
    }
}

[[noreturn]] void reject(const QString& why)
{
    throw BadValue(why.toStdString());
}

int wholeNumber(const QString& text, const QString& decimalSeparator)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const int number = trimmed.toInt(&ok);
    if (ok)
        return number;
    QString point = trimmed;
    if (!decimalSeparator.isEmpty())
        point.replace(decimalSeparator, QStringLiteral("."));
    const double value = QLocale::c().toDouble(point, &ok);
    if (!ok || value != std::floor(value) || std::abs(value) > 1e9)
        reject(QStringLiteral("\"%1\" is no whole number").arg(text));
    return static_cast<int>(value);
}

int byteAt(const QString& text, int byte)
{
    return static_cast<int>(text_fields::HexByteField(text, byte));
}

bool bitAt(const QString& text, int bit)
{
    return text_fields::BitField(text, false, bit, false, false) == QLatin1String("1");
}

QStringList partsAtLeast(const QString& text, QChar separator, int count)
{
    const QStringList parts = text.split(separator);
    if (parts.size() < count)
        reject(QStringLiteral("\"%1\" has fewer than %2 parts").arg(text).arg(count));
    return parts;
}

void loadUnitStatus(MainControls& controls, EditorState& state, PointTables& points, const QString& separator)
{
    if (separator == QLatin1String(".")) {
        state.unitStatusFields = unit_status_text::split(controls.txtNvi(nvi::UnitStatus)->text());
    } else if (separator == QLatin1String(",")) {
        const unit_status_text::Normalised normalised =
            unit_status_text::normaliseCommaDecimals(points.nvi(nvi::UnitStatus).value);
        points.nvi(nvi::UnitStatus).value = normalised.value;
        controls.txtNvi(nvi::UnitStatus)->setText(normalised.value);
        state.unitStatusFields = normalised.fields;
    }
    for (int k = 0; k < unit_status_text::FieldCount; ++k)
        controls.txtNvi(nvi::UnitStatusFields + k)
            ->setText(state.unitStatusFields[static_cast<std::size_t>(k)]);
}

void loadTimeConfig(MainControls& controls)
{
    const QString text = controls.txtNci(cp::TimeConfig)->text();
    std::array<int, 4> bytes{};
    for (int k = 0; k < 4; ++k) {
        bytes[static_cast<std::size_t>(k)] = byteAt(text, k);
        if (bytes[static_cast<std::size_t>(k)] >= controls.cmb_time(k)->count())
            reject(QStringLiteral("byte %1 of \"%2\" has no list entry").arg(k).arg(text));
    }
    for (int k = 0; k < 4; ++k) {
        controls.cmb_time(k)->setCurrentIndex(bytes[static_cast<std::size_t>(k)]);
        if (k == 2)
            controls.Frametime->setVisible(bytes[2] > 0);
    }
}

void loadDisplayConfig(MainControls& controls)
{
    const QString text = controls.txtNci(cp::DisplConfig)->text();
    std::array<bool, MainControls::DisplayItems> items{};
    for (int item = 0; item < MainControls::DisplayItems; ++item)
        items[static_cast<std::size_t>(item)] = bitAt(text, item);
    for (int item = 0; item < MainControls::DisplayItems; ++item)
        controls.UCPTdisplConfig(item)->setChecked(items[static_cast<std::size_t>(item)]);
    controls.Unit(controls.UCPTdisplConfig(MainControls::UnitItem)->isChecked() ? 0 : 1)->setChecked(true);
}

void loadButtonRows(MainControls& controls, const EditorState& state, const ButtonFunctionLists& lists)
{
    // A row that cannot be decoded keeps its text in txtNcielement as read and shows no choice.
    for (int row = 0; row < point_catalogue::cp::Buttons; ++row)
        showButtonRow(controls, lists, row);
    set_tabs(controls, state);
}

void loadFanStages(MainControls& controls, const QString& separator)
{
    const int stages = wholeNumber(controls.txtNci(cp::FanSpdStages)->text(), separator);
    if (stages < 1 || stages > controls.cmb_nci(cp::FanSpdStages)->count())
        reject(QStringLiteral("%1 fan stages have no list entry").arg(stages));
    controls.cmb_nci(cp::FanSpdStages)->setCurrentIndex(stages - 1);
}

void loadCommandBits(MainControls& controls)
{
    const QString text = controls.txtNvi(nvi::CmdAll)->text();
    std::array<bool, MainControls::CommandBoxes> bits{};
    for (int bit = 0; bit < MainControls::CommandBoxes; ++bit)
        bits[static_cast<std::size_t>(bit)] = bitAt(text, bit);
    for (int bit = 0; bit < MainControls::CommandBoxes; ++bit)
        controls.nviCmd_all(bit)->setChecked(bits[static_cast<std::size_t>(bit)]);
}

void loadSceneFeedback(MainControls& controls)
{
    const QStringList parts = partsAtLeast(controls.txtNvi(nvi::ScSceneFb)->text(), u' ', 2);
    controls.txtNvi(nvi::SceneName)->setText(parts.at(0));
    controls.txtNvi(nvi::SceneNumber)->setText(parts.at(1));
}

void loadTimeStamp(MainControls& controls)
{
    const QStringList parts = partsAtLeast(controls.txtNvi(nvi::TimeSet)->text(), u' ', 2);
    const QStringList date = partsAtLeast(parts.at(0), u'/', 3);
    const QStringList time = partsAtLeast(parts.at(1), u':', 3);
    controls.txtdate(0)->setText(parts.at(0));
    controls.txttime(0)->setText(parts.at(1));
    for (int k = 0; k < 3; ++k) {
        controls.txtdate(k + 1)->setText(date.at(k));
        controls.txttime(k + 1)->setText(time.at(k));
    }
}

// Switch inputs whose list entries stand for the usual values: per value, the entry it
// selects, or -1 where the list has none.
void loadSwitchLists(MainControls& controls, const QString& separator)
{
    const std::array<QString, 4> values{
        QStringLiteral("0") + separator + QStringLiteral("0 -1"),
        QStringLiteral("0") + separator + QStringLiteral("0 0"),
        QStringLiteral("50") + separator + QStringLiteral("0 1"),
        QStringLiteral("100") + separator + QStringLiteral("0 1"),
    };
    const struct
    {
        int position;
        std::array<int, 4> entries;
    } lists[] = {{11, {0, 1, -1, 2}},
                 {13, {-1, 0, -1, 1}},
                 {14, {-1, 0, -1, 1}},
                 {15, {-1, 0, -1, 1}},
                 {22, {-1, 0, 1, 2}}};
    for (const auto& list : lists) {
        const QString text = controls.txtNvi(list.position)->text();
        for (std::size_t column = 0; column < values.size(); ++column) {
            if (text == values[column] && list.entries[column] >= 0)
                controls.cmb_nvi(list.position)->setCurrentIndex(list.entries[column]);
        }
    }
}

void loadOccupancyLists(MainControls& controls)
{
    for (const int position : {17, 18}) {
        QComboBox* list = controls.cmb_nvi(position);
        // A value the list does not offer shows no entry; the box beside it shows the value.
        list->setCurrentIndex(list->findText(controls.txtNvi(position)->text()));
    }
}

// Without the device online nothing can be sent, so the inputs are not offered; an online device
// offers them again, also after an offline one took them away.
void enableInputs(MainControls& controls, const PointTables& points, bool enabled)
{
    std::vector<QWidget*> inputs{controls.txtNvi(nvi::HeatOutputPrimaryBox),
                                 controls.txtNvi(nvi::CoolOutputBox), controls.txtNvi(nvi::SceneName),
                                 controls.txtNvi(nvi::SceneNumber)};
    for (int k = 1; k <= 3; ++k) {
        inputs.push_back(controls.txttime(k));
        inputs.push_back(controls.txtdate(k));
    }
    for (const int position : {9, 10, 19, 24, 20, 21})
        inputs.push_back(controls.cmd_Nvi_Reset(position));
    for (int bit = 0; bit < MainControls::CommandBoxes; ++bit)
        inputs.push_back(controls.nviCmd_all(bit));
    for (const int position : {11, 13, 14, 15, 17, 18, 22})
        inputs.push_back(controls.cmb_nvi(position));
    for (int position = 0; position < points.nviCount; ++position)
        inputs.push_back(controls.txtNvi(position));
    for (QWidget* input : inputs)
        input->setEnabled(enabled);
}

} // namespace

EditorLoader::EditorLoader(MainControls& controls, EditorState& state, PointTables& points,
                           const FrameworkSettings& settings, const MessageCatalogue& catalogue)
    : m_controls(controls), m_state(state), m_points(points), m_settings(settings), m_catalogue(catalogue)
{
}

void EditorLoader::load(bool online)
{
    const QString& separator = m_settings.decimalSeparator;
    skippingOnError([&] { loadUnitStatus(m_controls, m_state, m_points, separator); });
    skippingOnError([&] { loadTimeConfig(m_controls); });
    skippingOnError([&] { loadDisplayConfig(m_controls); });
    skippingOnError([&] {
        applyDeviceType(m_controls, m_state,
                        wholeNumber(m_controls.txtNci(cp::DeviceType)->text(), separator));
    });
    skippingOnError([&] { loadButtonRows(m_controls, m_state, ButtonFunctionLists(m_catalogue)); });
    skippingOnError([&] { loadFanStages(m_controls, separator); });
    skippingOnError([&] { loadCommandBits(m_controls); });
    skippingOnError([&] { loadSceneFeedback(m_controls); });
    skippingOnError([&] { loadTimeStamp(m_controls); });
    skippingOnError([&] { loadSwitchLists(m_controls, separator); });
    skippingOnError([&] { loadOccupancyLists(m_controls); });
    skippingOnError([&] { enableInputs(m_controls, m_points, online); });
}
