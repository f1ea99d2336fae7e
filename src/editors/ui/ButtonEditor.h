#pragma once

#include "editors/ui/ButtonFunctionLists.h"

#include <QSet>
#include <functional>

class EditorContext;
class QKeyEvent;
class QString;

// The "Device" tab: device type, menu buttons and, per button row, the object, function, scene
// number and LED mode that make up the row's UCPTdiConfig element. Every pick is written into
// the element text; the element's own change handling decodes it back into the row and marks
// what differs from the device.
class ButtonEditor final
{
public:
    explicit ButtonEditor(EditorContext& context, const MessageCatalogue& catalogue);
    ButtonEditor(const ButtonEditor&) = delete;
    ButtonEditor& operator=(const ButtonEditor&) = delete;

    void cmb_device_Click(int row);
    void cmb_function_Click(int row);
    void cmb_led_Click(int row);
    void txtNciscene_Change(int row);
    bool txtNciscene_KeyPress(int row, QKeyEvent& event);
    void txtNciscene_LostFocus(int row);
    void txtNcielement_Change(int row);
    void cmb_nci_Click(int index);
    void menucheck_Click();
    // The shared CP change handling for the device type (1) and UCPTdiConfig (2).
    void txtNci_Change(int index);

private:
    void connectControls();
    // Writes byte `byte` of the row's element; a malformed element is left alone and the row
    // shows what the element says again.
    void writeByte(int row, int byte, int value);
    // Writes the element text the row's edit made; false when it is malformed.
    bool writeElement(int row, const std::function<QString(const QString& element)>& edit);
    // The row's lists and scene field as the element text says.
    void showRow(int row);
    void markRow(int row);
    void showHelp();

    EditorContext& m_context;
    ButtonFunctionLists m_lists;
    QSet<int> m_decoding;
};
