#include "device/ui/DeviceReader.h"

#include "device/BuildPointCatalogue.h"
#include "device/DeviceSession.h"
#include "device/DeviceStateText.h"
#include "device/FindConfigProperty.h"
#include "device/FrameworkSettings.h"
#include "device/ProgressStatus.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/FrameworkUpdater.h"
#include "host/AppContext.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/StepRunner.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/DeviceInterface.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <QLineEdit>
#include <utility>

DeviceReader::DeviceReader(AppContext& context, MainControls& controls, DeviceSession& session,
                           FrameworkUpdater& framework, std::function<bool()> selectActiveTab)
    : m_context(context), m_controls(controls), m_session(session), m_framework(framework),
      m_selectActiveTab(std::move(selectActiveTab))
{
}

bool DeviceReader::online() const
{
    return m_controls.PlugInStatus->online();
}

void DeviceReader::setState(const QString& text)
{
    m_controls.PlugInStatus->setPanelText(StatusPanels::StatePanel, text);
}

bool DeviceReader::InitDevice()
{
    const std::shared_ptr<lns::AppDevice> device = m_session.currentDevice;
    if (!device)
        return false;
    const TextArray<83>& texts = m_context.catalogue.MainTexts;

    QString stateText;
    StepRunner steps([this, &stateText](const lns::Error& error) {
        closeProgressWindows(m_context);
        const UiServices::Answer answer = m_context.ui.message(
            error.description() + QStringLiteral(" in InitDevice"), QStringLiteral("fMain InitDevice"),
            UiServices::Icon::Critical, UiServices::Buttons::AbortRetryIgnore);
        if (answer == UiServices::Answer::Ignore)
            stateText = error.description() + QStringLiteral("initDevice");
        if (answer == UiServices::Answer::Retry || answer == UiServices::Answer::Ignore)
            return answer;
        return UiServices::Answer::Abort;
    });

    // Until the state is known the device does not count as online, so no NV is read twice.
    setState(QString());
    BuildPointCatalogue(m_context.points, device.get(), online());
    steps.run([&] {
        const std::shared_ptr<lns::DeviceInterface> deviceInterface = device->deviceInterface();
        if (!deviceInterface)
            throw lns::Error(lns::errors::NotFound, QStringLiteral("The device has no interface."));
        m_session.nvCollection = deviceInterface->networkVariables();
    });
    if (steps.aborted())
        return false;

    const std::optional<QString> state = device_state::query(
        m_context.connection.system.get(), *device, steps, [&](device_state::Question question) {
            if (question == device_state::Question::TestFlag)
                showProgressStatus(m_context, texts[main_text::TestingDevice]);
            else if (question == device_state::Question::State)
                showProgressStatus(m_context, texts[main_text::ReadingState]);
        });
    if (!state)
        return false;
    // An ignored state read shows what the error handler left.
    if (!state->isEmpty())
        stateText = *state;
    setState(stateText);

    if (!m_selectActiveTab() || !ReadInitValues()) {
        closeProgressWindows(m_context);
        return false;
    }

    steps.run([&] { m_controls.PlugInStatus->setPanelText(StatusPanels::DevicePanel, device->name()); });
    m_controls.PlugInStatus->setPanelText(StatusPanels::ModelPanel, m_context.settings.modelName);
    steps.run([&] {
        m_controls.PlugInStatus->setPanelText(StatusPanels::NeuronIdPanel,
                                              QStringLiteral("NeuronID:  ") + device->neuronId());
    });
    return !steps.aborted();
}

bool DeviceReader::ReadInitValues()
{
    const std::shared_ptr<lns::AppDevice> device = m_session.currentDevice;
    if (!device)
        return false;
    UiServices& ui = m_context.ui;
    PointTables& points = m_context.points;
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    const auto leave = [this, &ui] {
        ui.setPointer(UiServices::Pointer::Default);
        closeProgressWindows(m_context);
        return false;
    };

    ui.setPointer(UiServices::Pointer::Hourglass);
    showProgressStatus(m_context, texts[main_text::ReadingNetworkVariables]);
    BuildPointCatalogue(points, device.get(), online());
    showProgressStatus(m_context, texts[main_text::ReadingNetworkVariables]);

    if (online()) {
        for (int position = 0; position < points.nviCount; ++position)
            m_controls.txtNvi(position)->setText(points.nvi(position).value);
        for (int position = 0; position < points.nvoCount; ++position)
            m_controls.txtNvo(position)->setText(points.nvo(position).value);
    }

    StepRunner steps(StepRunner::messageBox(ui, QStringLiteral(" ReadInit"),
                                            QStringLiteral("fMain in ReadInitValues(fMain)")));
    for (int position = 0; position < points.cpCount; ++position) {
        CpEntry& entry = points.cp(position);
        std::shared_ptr<lns::ConfigProperty> property;
        // A CP the device lacks fails every read of it, each with its own message.
        const auto resolved = [&]() -> lns::ConfigProperty& {
            if (!property)
                throw lns::Error(lns::errors::NotFound, QStringLiteral("The configuration property ") +
                                                            entry.name + QStringLiteral(" (") + entry.id +
                                                            QStringLiteral(") was not found on the device."));
            return *property;
        };

        property = FindConfigProperty(entry.id, *device, m_session.nvCollection, ui);
        // The array CPs' elements go into boxes of their own.
        const int elements = point_catalogue::cp::elements(position);
        for (int element = 0; elements > 1 && element < elements && !steps.aborted(); ++element) {
            QLineEdit* box = m_controls.elementBox(position, element);
            steps.run([&] { box->setText(resolved().elementValue(element)); });
        }
        steps.run([&] { entry.value = resolved().value(); });
        steps.run([&] { m_controls.txtNci(position)->setText(resolved().value()); });
        if (steps.aborted())
            return leave();
    }

    try {
        m_framework.UpdateFramework(device->programId(), FrameworkSettings::NoVariant, true, QString(), 0);
    } catch (const lns::Error&) {
        return leave();
    }
    ui.setPointer(UiServices::Pointer::Default);
    return true;
}
