#include "editors/ui/ButtonEditor.h"

#include "device/EditorState.h"
#include "device/TextFields.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/NumberText.h"
#include "editors/ui/ButtonRowView.h"
#include "editors/ui/DeviceTypeLayout.h"
#include "editors/ui/EditorContext.h"
#include "host/BadValue.h"
#include "host/BestEffort.h"
#include "host/object_server/Error.h"
#include "ui/ChangeMarker.h"
#include "ui/ControlEvents.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <optional>
#include <stdexcept>

namespace {

using point_catalogue::cp::DeviceType;
using point_catalogue::cp::DiConfig;

std::optional<int> byteOf(const QString& element, int byte)
{
    try {
        return static_cast<int>(text_fields::HexByteField(element, byte));
    } catch (const BadValue&) {
        return std::nullopt;
    }
}

} // namespace

ButtonEditor::ButtonEditor(EditorContext& context, const MessageCatalogue& catalogue)
    : m_context(context), m_lists(catalogue)
{
    connectControls();
}

void ButtonEditor::connectControls()
{
    MainControls& controls = m_context.controls;
    ControlEvents& events = m_context.events;
    for (int row = 0; row < point_catalogue::cp::Buttons; ++row) {
        QComboBox* device = controls.cmb_device(row);
        QComboBox* function = controls.cmb_function(row);
        QComboBox* led = controls.cmb_led(row);
        QLineEdit* scene = controls.txtNciscene(row);
        // User picks only: refilling or selecting from the element text must not write it back.
        QObject::connect(device, &QComboBox::activated, &m_context.events,
                         [this, row] { cmb_device_Click(row); });
        QObject::connect(function, &QComboBox::activated, &m_context.events,
                         [this, row] { cmb_function_Click(row); });
        QObject::connect(led, &QComboBox::activated, &m_context.events, [this, row] { cmb_led_Click(row); });
        QObject::connect(scene, &QLineEdit::textChanged, &m_context.events,
                         [this, row] { txtNciscene_Change(row); });
        QObject::connect(controls.txtNcielement(row), &QLineEdit::textChanged, &m_context.events,
                         [this, row] { txtNcielement_Change(row); });
        for (QWidget* control :
             {static_cast<QWidget*>(device), static_cast<QWidget*>(function), static_cast<QWidget*>(led),
              static_cast<QWidget*>(controls.txtNcielement(row))}) {
            ControlEvents::Handlers handlers;
            handlers.gotFocus = [this] { showHelp(); };
            events.attach(control, std::move(handlers));
        }
        ControlEvents::Handlers sceneHandlers;
        sceneHandlers.gotFocus = [this] { showHelp(); };
        sceneHandlers.keyPress = [this, row](QKeyEvent& event) { return txtNciscene_KeyPress(row, event); };
        sceneHandlers.lostFocus = [this, row] { txtNciscene_LostFocus(row); };
        events.attach(scene, std::move(sceneHandlers));
    }
    QObject::connect(controls.menucheck, &QCheckBox::clicked, &m_context.events,
                     [this] { menucheck_Click(); });
}

void ButtonEditor::showHelp()
{
    // On failure the description box keeps its text.
    bestEffort([this] { m_context.procedures.showHelp(QStringLiteral("Nci"), DiConfig); });
}

bool ButtonEditor::writeElement(int row, const std::function<QString(const QString& element)>& edit)
{
    QLineEdit* element = m_context.controls.txtNcielement(row);
    QString updated;
    try {
        updated = edit(element->text());
    } catch (const BadValue&) {
        showRow(row);
        return false;
    }
    m_context.state.editedFlag = true;
    element->setText(updated);
    return true;
}

void ButtonEditor::writeByte(int row, int byte, int value)
{
    writeElement(row,
                 [&](const QString& element) { return text_fields::HexByteField(element, byte, value); });
}

void ButtonEditor::cmb_device_Click(int row)
{
    const int object = m_context.controls.cmb_device(row)->currentIndex();
    const std::optional<ButtonFunctionLists::ObjectKind> kind = ButtonFunctionLists::kindOf(object);
    if (!kind)
        return;
    // A function or LED code the new object does not know becomes its first entry, in the same
    // edit, so that the row never holds a code with nothing to show for it.
    writeElement(row, [&](const QString& element) {
        QString updated = text_fields::HexByteField(element, 0, object);
        if (!ButtonFunctionLists::definesFunction(*kind,
                                                  static_cast<int>(text_fields::HexByteField(updated, 1))))
            updated = text_fields::HexByteField(updated, 1, 1);
        if (!ButtonFunctionLists::definesLed(*kind, static_cast<int>(text_fields::HexByteField(updated, 2))))
            updated = text_fields::HexByteField(updated, 2, 1);
        return updated;
    });
}

void ButtonEditor::cmb_function_Click(int row)
{
    const int entry = m_context.controls.cmb_function(row)->currentIndex();
    if (entry >= 0)
        writeByte(row, 1, entry + 1);
}

void ButtonEditor::cmb_led_Click(int row)
{
    const int entry = m_context.controls.cmb_led(row)->currentIndex();
    if (entry >= 0)
        writeByte(row, 2, entry + 1);
}

void ButtonEditor::txtNciscene_Change(int row)
{
    if (m_decoding.contains(row))
        return;
    bool ok = false;
    const int scene = m_context.controls.txtNciscene(row)->text().toInt(&ok);
    // A number beyond a byte, or 0, which names no scene, waits for leaving the field, which
    // settles it to 255 or 1. The number the element already holds is not written again, so a
    // decoded row never rewrites its element.
    if (ok && scene >= ButtonFunctionLists::FirstScene && scene <= ButtonFunctionLists::LastScene &&
        byteOf(m_context.controls.txtNcielement(row)->text(), 1) != scene)
        writeByte(row, 1, scene);
}

bool ButtonEditor::txtNciscene_KeyPress(int row, QKeyEvent& event)
{
    return m_context.filterKey(m_context.controls.txtNciscene(row), event, key_rules::KeyClass::SceneNumber);
}

void ButtonEditor::txtNciscene_LostFocus(int row)
{
    QLineEdit* scene = m_context.controls.txtNciscene(row);
    bool ok = false;
    const int number = scene->text().toInt(&ok);
    if (scene->text().isEmpty() || (ok && number < ButtonFunctionLists::FirstScene))
        scene->setText(QString::number(ButtonFunctionLists::FirstScene));
    else if (ok && number > ButtonFunctionLists::LastScene)
        scene->setText(QString::number(ButtonFunctionLists::LastScene));
}

void ButtonEditor::txtNcielement_Change(int row)
{
    if (!m_context.windowVisible())
        return;
    showRow(row);
    markRow(row);
    m_context.procedures.set_tabs();
    m_context.procedures.func_red_field();
}

void ButtonEditor::showRow(int row)
{
    m_decoding.insert(row);
    showButtonRow(m_context.controls, m_lists, row);
    m_decoding.remove(row);
}

void ButtonEditor::markRow(int row)
{
    MainControls& controls = m_context.controls;
    const QString element = controls.txtNcielement(row)->text();
    // Without the device's value the row counts as changed, so that Apply still offers it.
    QString reference;
    bestEffort([&] { reference = m_context.elementReference(DiConfig, row); });
    const bool elementMarked = element != reference;
    change_marker::setMarked(controls.txtNcielement(row), elementMarked);
    // Each list is marked by its own byte, so the user sees which choice differs.
    const auto byteMarked = [&](int byte) {
        const std::optional<int> value = byteOf(element, byte);
        const std::optional<int> device = byteOf(reference, byte);
        return value && device ? *value != *device : elementMarked;
    };
    // Another kind of object reads the same function and LED codes differently: both lists are
    // changes then, even where their byte is the device's.
    const auto kindOf = [](const QString& text) {
        const std::optional<int> object = byteOf(text, 0);
        return object ? ButtonFunctionLists::kindOf(*object) : std::nullopt;
    };
    const bool meaningChanged = kindOf(element) != kindOf(reference);
    change_marker::setMarked(controls.cmb_device(row), byteMarked(0));
    change_marker::setMarked(controls.cmb_function(row), byteMarked(1) || meaningChanged);
    change_marker::setMarked(controls.txtNciscene(row), byteMarked(1) || meaningChanged);
    change_marker::setMarked(controls.cmb_led(row), byteMarked(2) || meaningChanged);
}

void ButtonEditor::cmb_nci_Click(int index)
{
    if (index == DeviceType)
        m_context.controls.txtNci(DeviceType)->setText(m_context.controls.cmb_nci(DeviceType)->currentText());
}

void ButtonEditor::menucheck_Click()
{
    MainControls& controls = m_context.controls;
    const bool menu = controls.menucheck->isChecked();
    controls.FrameMenue->setVisible(menu);
    m_context.state.menuRowsActive = menu;
    const std::optional<double> count =
        number_text::parse(controls.txtNci(DeviceType)->text(), m_context.separator());
    if (count)
        applyDeviceType(controls, m_context.state, static_cast<int>(*count));
    m_context.procedures.set_tabs();
}

void ButtonEditor::txtNci_Change(int index)
{
    MainControls& controls = m_context.controls;
    const QString text = controls.txtNci(index)->text();
    const QString reference = m_context.points.cp(index).value;
    if (index == DeviceType) {
        m_context.state.editedFlag = true;
        const std::optional<double> count = number_text::parse(text, m_context.separator());
        if (count)
            applyDeviceType(controls, m_context.state, static_cast<int>(*count));
        const bool marked = !number_text::sameValue(text, reference, m_context.separator());
        change_marker::setMarked(controls.txtNci(DeviceType), marked);
        change_marker::setMarked(controls.cmb_nci(DeviceType), marked);
        return;
    }
    for (int row = 0; row < point_catalogue::cp::Buttons; ++row)
        showRow(row);
    m_context.procedures.set_tabs();
    change_marker::setMarked(controls.txtNci(DiConfig), text != reference);
}
