#pragma once

#include "editors/ui/ButtonEditor.h"
#include "editors/ui/CpEditor.h"
#include "editors/ui/EditorContext.h"
#include "editors/ui/NvInputPanel.h"
#include "editors/ui/TimeDisplayEditor.h"
#include "ui/ControlEvents.h"

// The editors of the main window's tabs, connected to their controls.
class Editors final
{
public:
    Editors(MainControls& controls, EditorState& state, PointTables& points,
            const FrameworkSettings& settings, DeviceSession& session, UiServices& ui,
            const MessageCatalogue& catalogue, EditorContext::Procedures procedures);
    Editors(const Editors&) = delete;
    Editors& operator=(const Editors&) = delete;

    // A device is read afresh: no field differs from it yet.
    void unmarkAll();

    ButtonEditor& buttons() { return m_buttons; }
    TimeDisplayEditor& timeDisplay() { return m_timeDisplay; }
    NvInputPanel& nvInputs() { return m_nvInputs; }
    CpEditor& cps() { return m_cps; }

private:
    ControlEvents m_events;
    EditorContext m_context;
    ButtonEditor m_buttons;
    TimeDisplayEditor m_timeDisplay;
    NvInputPanel m_nvInputs;
    CpEditor m_cps;
};
