#include "transfer/ui/CancelEdits.h"

#include "device/DeviceSession.h"
#include "device/FindConfigProperty.h"
#include "device/point_catalogue/PointTables.h"
#include "host/AppContext.h"
#include "host/UiServices.h"
#include "host/object_server/Error.h"
#include "transfer/TransferState.h"
#include "transfer/ui/Companions.h"
#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace point_catalogue;

// Part k of a text split at a separator, empty where the text has fewer parts.
QString part(const QString& text, QChar separator, int k)
{
    const QStringList parts = text.split(separator);
    return k < parts.size() ? parts.at(k) : QString();
}

} // namespace

CancelEdits::CancelEdits(AppContext& context, MainControls& controls, DeviceSession& session,
                         TransferState& transfer, Procedures procedures)
    : m_context(context), m_controls(controls), m_session(session), m_transfer(transfer),
      m_procedures(std::move(procedures))
{
}

void CancelEdits::cmdCancel_Click()
{
    if (m_transfer.transferRunning || !m_session.currentDevice)
        return;
    UiServices& ui = m_context.ui;
    try {
        for (int position = 0; position < m_context.points.nviCount; ++position)
            restoreNvInput(position);
        ui.setPointer(UiServices::Pointer::Hourglass);
        for (int position = 0; position < m_context.points.cpCount; ++position)
            refillCp(position);
        ui.setPointer(UiServices::Pointer::Default);
        change_marker::unmark(m_controls.txtNci(cp::DiConfig));
        if (m_transfer.deviceListBuilt)
            m_procedures.KnotenReset();
        m_procedures.func_red_field();
    } catch (const lns::Error&) {
        ui.setPointer(UiServices::Pointer::Default);
        ui.message(QStringLiteral("Error: cmdCancel(fMain)"));
        m_procedures.unloadSelection();
        m_transfer.selectedDevices.clear();
        m_controls.cmdApply->setEnabled(false);
        m_controls.cmdCancel->setEnabled(false);
    }
}

void CancelEdits::restoreNvInput(int position)
{
    const NvEntry& entry = m_context.points.nvi(position);
    QLineEdit* editor = m_controls.txtNvi(position);
    if (change_marker::isMarked(editor)) {
        const std::shared_ptr<lns::NetworkVariable> variable = m_session.nvCollection->item(entry.nvIndex);
        variable->setHold(false);
        editor->setText(entry.value);
        change_marker::unmark(editor);
        variable->setHold(false);
    }
    if (online()) {
        const QString text = editor->text();
        if (position == nvi::ScSceneFb) {
            m_controls.txtNvi(nvi::SceneName)->setText(part(text, QLatin1Char(' '), 0));
            m_controls.txtNvi(nvi::SceneNumber)->setText(part(text, QLatin1Char(' '), 1));
        } else if (position == nvi::TimeSet) {
            const QString date = part(text, QLatin1Char(' '), 0);
            const QString time = part(text, QLatin1Char(' '), 1);
            m_controls.txtdate(0)->setText(date);
            m_controls.txttime(0)->setText(time);
            for (int k = 1; k <= 3; ++k) {
                m_controls.txtdate(k)->setText(part(date, QLatin1Char('/'), k - 1));
                m_controls.txttime(k)->setText(part(time, QLatin1Char(':'), k - 1));
            }
        }
    }
    companions::unmarkNv(m_controls, position);
}

void CancelEdits::refillCp(int position)
{
    const CpEntry& entry = m_context.points.cp(position);
    // The array CPs' element boxes are filled from the device.
    if (cp::elements(position) > 1) {
        const std::shared_ptr<lns::ConfigProperty> property =
            FindConfigProperty(entry.id, *m_session.currentDevice, m_session.nvCollection, m_context.ui);
        if (property)
            for (int element = 0; element < cp::elements(position); ++element)
                m_controls.elementBox(position, element)->setText(property->elementValue(element));
    }
    m_controls.txtNci(position)->setText(entry.value);
}

bool CancelEdits::online() const
{
    return m_controls.PlugInStatus->online();
}
