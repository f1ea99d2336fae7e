#include "editors/ui/ButtonRowView.h"

#include "device/TextFields.h"
#include "editors/ui/ButtonFunctionLists.h"
#include "editors/ui/EditorContext.h"
#include "host/BadValue.h"
#include "ui/MainControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>
#include <stdexcept>

namespace {

std::optional<int> byteOf(const QString& element, int byte)
{
    try {
        return static_cast<int>(text_fields::HexByteField(element, byte));
    } catch (const BadValue&) {
        return std::nullopt;
    }
}

// A code counted from 1 selects entry code - 1; 0 and codes beyond the list select nothing.
void selectCode(QComboBox* list, int code)
{
    list->setCurrentIndex(code >= 1 && code <= list->count() ? code - 1 : -1);
}

bool holds(const QComboBox* list, const QStringList& entries)
{
    if (list->count() != entries.size())
        return false;
    for (int k = 0; k < list->count(); ++k) {
        if (list->itemText(k) != entries.at(k))
            return false;
    }
    return true;
}

} // namespace

bool showButtonRow(MainControls& controls, const ButtonFunctionLists& lists, int row)
{
    const QString element = controls.txtNcielement(row)->text();
    const std::optional<int> object = byteOf(element, 0);
    const std::optional<int> function = byteOf(element, 1);
    const std::optional<int> led = byteOf(element, 2);
    const std::optional<ButtonFunctionLists::ObjectKind> kind =
        object ? ButtonFunctionLists::kindOf(*object) : std::nullopt;
    if (!kind || !function || !led) {
        controls.cmb_device(row)->setCurrentIndex(-1);
        controls.cmb_function(row)->setCurrentIndex(-1);
        controls.cmb_led(row)->setCurrentIndex(-1);
        return false;
    }
    controls.cmb_device(row)->setCurrentIndex(*object);
    const bool scene = *kind == ButtonFunctionLists::ObjectKind::ScenePanel;
    controls.cmb_function(row)->setVisible(!scene);
    controls.txtNciscene(row)->setVisible(scene);
    if (scene) {
        setTextIfDifferent(controls.txtNciscene(row), QString::number(*function));
    } else {
        // Refilled only for another kind of object, so that the list does not flicker on every edit.
        if (!holds(controls.cmb_function(row), lists.functions(*kind)))
            lists.fillFunctions(controls.cmb_function(row), *kind);
        selectCode(controls.cmb_function(row), *function);
    }
    if (!holds(controls.cmb_led(row), lists.leds(*kind)))
        lists.fillLeds(controls.cmb_led(row), *kind);
    selectCode(controls.cmb_led(row), *led);
    return true;
}
