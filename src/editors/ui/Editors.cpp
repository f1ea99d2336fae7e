#include "editors/ui/Editors.h"

#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

template <typename W> void unmarkArray(const ControlArray<W>& array)
{
    for (const auto& [index, control] : array.items())
        change_marker::unmark(control);
}

} // namespace

Editors::Editors(MainControls& controls, EditorState& state, PointTables& points,
                 const FrameworkSettings& settings, DeviceSession& session, UiServices& ui,
                 const MessageCatalogue& catalogue, EditorContext::Procedures procedures)
    : m_context(controls, state, points, settings, session, ui, m_events, std::move(procedures)),
      m_buttons(m_context, catalogue), m_timeDisplay(m_context), m_nvInputs(m_context, m_timeDisplay),
      m_cps(m_context, m_buttons, m_timeDisplay, catalogue)
{
}

void Editors::unmarkAll()
{
    MainControls& controls = m_context.controls;
    unmarkArray(controls.txtNci);
    unmarkArray(controls.txtNcielement);
    unmarkArray(controls.txtNvi);
    unmarkArray(controls.txtNciscene);
    unmarkArray(controls.txtdate);
    unmarkArray(controls.txttime);
    unmarkArray(controls.cmb_time);
    unmarkArray(controls.cmb_nci);
    unmarkArray(controls.cmb_device);
    unmarkArray(controls.cmb_function);
    unmarkArray(controls.cmb_led);
    unmarkArray(controls.cmb_nvi);
    unmarkArray(controls.UCPTdisplConfig);
    unmarkArray(controls.nviCmd_all);
    m_context.procedures.func_red_field();
}
