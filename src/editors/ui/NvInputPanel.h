#pragma once

#include "editors/KeyRules.h"

#include <QSet>
#include <QString>
#include <utility>
#include <vector>

class EditorContext;
class QKeyEvent;
class TimeDisplayEditor;

// Test values for the device's input NVs: the fields txtNvi(i), the lists, check boxes and
// sub-fields that compose structured values, the Reset buttons, and the hold flag that keeps
// monitoring from overwriting a value being edited.
class NvInputPanel final
{
public:
    NvInputPanel(EditorContext& context, TimeDisplayEditor& timeDisplay);
    NvInputPanel(const NvInputPanel&) = delete;
    NvInputPanel& operator=(const NvInputPanel&) = delete;

    void txtNvi_Change(int index);
    bool txtNvi_KeyPress(int index, QKeyEvent& event);
    void txtNvi_LostFocus(int index);
    void txtNvi_GotFocus(int index);
    void cmb_nvi_Click(int index);
    void nviCmd_all_Click(int k);
    void cmd_Nvi_Reset_Click(int index);

    static key_rules::KeyClass keyClass(int index);
    // The NV a field belongs to: the unit status fields to 12, the scene fields to 8.
    static int ownField(int index);
    // A list entry as the field shows it: switch values with the user's decimal separator.
    QString entryText(const QString& entry) const;

private:
    void connectControls();
    void split(int index);
    void fillSubFields(const std::vector<std::pair<int, QString>>& texts);
    void markUnitStatusFields();
    // The device's value of an input as its box shows it.
    QString reference(int position) const;
    void hold(int position);

    EditorContext& m_context;
    TimeDisplayEditor& m_timeDisplay;
    QSet<int> m_changing;
    bool m_composing = false;
};
