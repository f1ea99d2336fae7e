#include "device/ui/DeviceReader.h"

#include "device/BuildPointCatalogue.h"
#include "device/DeviceSession.h"
#include "device/DeviceStateText.h"
#include "device/FindConfigProperty.h"
#include "device/FrameworkSettings.h"
#include "device/ProgressStatus.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/FrameworkUpdater.h"
#include "device/ui/MainControls.h"
#include "device/ui/StatusPanels.h"
#include "host/AppContext.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/StepRunner.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/DeviceInterface.h"

#include <QLineEdit>
#include <utility>

namespace {

// Array CPs whose elements get boxes of their own: CP position, first box, box array.
struct ElementBoxes
{
    int position;
    int elements;
    int firstBox;
    bool diConfig;
};

constexpr ElementBoxes ArrayCps[] = {
    {2, 12, 0, true},   // UCPTdiConfig into txtNcielement(0..11)
    {5, 2, 100, false}, // UCPTbacklightMin into txtNci(100, 101)
    {6, 2, 102, false}, // UCPTbacklightMax into txtNci(102, 103)
};

} // namespace

DeviceReader::DeviceReader(AppContext& context, MainControls& controls, DeviceSession& session,
                           FrameworkUpdater& framework, std::function<bool()> selectActiveTab)
    : m_context(context), m_controls(controls), m_session(session), m_framework(framework),
      m_selectActiveTab(std::move(selectActiveTab))
{
}

bool DeviceReader::online() const
{
    return m_controls.PlugInStatus->panelText(4) == device_state::Online;
}

void DeviceReader::setState(const QString& text)
{
    m_controls.PlugInStatus->setPanelText(4, text);
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
        const Ui::Answer answer = m_context.ui.message(error.description() + QStringLiteral(" in InitDevice"),
                                                       QStringLiteral("fMain InitDevice"), Ui::Icon::Critical,
                                                       Ui::Buttons::AbortRetryIgnore);
        if (answer == Ui::Answer::Ignore)
            stateText = error.description() + QStringLiteral("initDevice");
        if (answer == Ui::Answer::Retry || answer == Ui::Answer::Ignore)
            return answer;
        return Ui::Answer::Abort;
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

    // An unanswered question goes on as the cautious answer: off-net, commissioned, under test.
    bool offnet = false;
    if (steps.run([&] {
            const std::shared_ptr<lns::System>& system = m_context.connection.system;
            if (!system)
                throw lns::Error(lns::errors::NotOpen, QStringLiteral("No system of a network is open."));
            offnet = system->mode() == device_state::OffnetMode;
        }) == StepRunner::Outcome::Ignored)
        offnet = true;
    if (steps.aborted())
        return false;

    if (offnet) {
        stateText = device_state::Offnet;
    } else {
        bool commissioned = true;
        steps.run([&] { commissioned = device->commissioned(); });
        if (steps.aborted())
            return false;
        if (!commissioned) {
            stateText = device_state::NotCommissioned;
        } else {
            showProgressStatus(m_context, texts[main_text::TestingDevice]);
            bool underTest = false;
            if (steps.run([&] { underTest = device->testFlag(); }) == StepRunner::Outcome::Ignored)
                underTest = true;
            if (steps.aborted())
                return false;
            if (underTest) {
                stateText = device_state::Unknown;
            } else {
                showProgressStatus(m_context, texts[main_text::ReadingState]);
                steps.run([&] { stateText = device_state::stateText(device->state()); });
                if (steps.aborted())
                    return false;
            }
        }
    }
    setState(stateText);

    if (!m_selectActiveTab() || !ReadInitValues()) {
        closeProgressWindows(m_context);
        return false;
    }

    steps.run([&] { m_controls.PlugInStatus->setPanelText(1, device->name()); });
    m_controls.PlugInStatus->setPanelText(2, m_context.settings.modelName);
    steps.run([&] {
        m_controls.PlugInStatus->setPanelText(3, QStringLiteral("NeuronID:  ") + device->neuronId());
    });
    return !steps.aborted();
}

bool DeviceReader::ReadInitValues()
{
    const std::shared_ptr<lns::AppDevice> device = m_session.currentDevice;
    if (!device)
        return false;
    Ui& ui = m_context.ui;
    PointTables& points = m_context.points;
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    const auto leave = [this, &ui] {
        ui.setPointer(Ui::Pointer::Default);
        closeProgressWindows(m_context);
        return false;
    };

    ui.setPointer(Ui::Pointer::Hourglass);
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
        for (const ElementBoxes& array : ArrayCps) {
            if (array.position != position)
                continue;
            for (int element = 0; element < array.elements && !steps.aborted(); ++element) {
                QLineEdit* box = array.diConfig ? m_controls.txtNcielement(array.firstBox + element)
                                                : m_controls.txtNci(array.firstBox + element);
                steps.run([&] { box->setText(resolved().elementValue(element)); });
            }
        }
        steps.run([&] { entry.value = resolved().value(); });
        steps.run([&] { m_controls.txtNci(position)->setText(resolved().value()); });
        if (steps.aborted())
            return leave();
    }

    try {
        m_framework.UpdateFramework(device->programId(), FrameworkSettings::NoVariant, true, false, QString(),
                                    0);
    } catch (const lns::Error&) {
        return leave();
    }
    ui.setPointer(Ui::Pointer::Default);
    return true;
}
