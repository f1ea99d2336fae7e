#pragma once

#include "ui/AutoRepeat.h"
#include "ui/UpDown.h"

#include <QSet>

class ButtonEditor;
class EditorContext;
class MessageCatalogue;
class TimeDisplayEditor;

// The CP fields txtNci(i): numbers with their up/down controls, the backlight elements, the fan
// stages, and the change handling every CP text shares (the structured CPs 0-3 hand over to the
// button editor and the time and display editor).
class CpEditor final
{
public:
    CpEditor(EditorContext& context, ButtonEditor& buttons, TimeDisplayEditor& timeDisplay,
             const MessageCatalogue& catalogue);

    // The line the description box gets when a separator is typed into a field of whole numbers.
    static QString wholeNumbersOnly(const QString& language);
    CpEditor(const CpEditor&) = delete;
    CpEditor& operator=(const CpEditor&) = delete;

    void txtNci_Change(int index);
    // Returns true when the key is swallowed.
    bool txtNci_KeyPress(int index, QKeyEvent& event);
    void txtNci_LostFocus(int index);
    void txtNci_GotFocus(int index);
    void UpD_nci_Click(int index, UpDown::Direction direction);
    void cmb_nci_Click(int index);
    void cmb_nci_GotFocus(int index);

    const AutoRepeat& autoRepeat() const { return m_repeat; }

private:
    void connectControls();
    // A number field: marks it against its reference; a text that is no number goes back to a
    // reference that is one, a text on its way to a number stays and counts as changed.
    void numberChange(int index, const QString& reference);
    void fanStagesChange();
    bool hasUpDown(int index) const;
    // Says in the description box why a separator typed into a field of whole numbers is refused.
    void explainWholeNumbers();

    EditorContext& m_context;
    const MessageCatalogue& m_catalogue;
    ButtonEditor& m_buttons;
    TimeDisplayEditor& m_timeDisplay;
    AutoRepeat m_repeat;
    // Fields whose change handler runs; a text it sets itself does not run it again.
    QSet<int> m_changing;
};
