#include "device/DeviceStateText.h"

#include "host/StepRunner.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/System.h"

QString device_state::stateText(int state)
{
    switch (state) {
    case 2:
        return QStringLiteral("Unconfigured");
    case 3:
        return QStringLiteral("App'less");
    case 4:
        return Online;
    case 6:
        return QStringLiteral("Cnfg Offline");
    case 12:
        return QStringLiteral("Soft Offline");
    case 140:
        return QStringLiteral("Cnfg Bypass");
    default:
        return Unknown;
    }
}

std::optional<QString> device_state::query(const lns::System* system, const lns::AppDevice& device,
                                           StepRunner& steps, const std::function<void(Question)>& asking)
{
    // A yes-or-no question; an ignored one takes the cautious answer.
    const auto ask = [&](Question question, bool cautious,
                         const std::function<bool()>& call) -> std::optional<bool> {
        if (asking)
            asking(question);
        bool answer = cautious;
        switch (steps.run([&] { answer = call(); })) {
        case StepRunner::Outcome::Done:
            return answer;
        case StepRunner::Outcome::Ignored:
            return cautious;
        case StepRunner::Outcome::Aborted:
            break;
        }
        return std::nullopt;
    };

    if (system) {
        const std::optional<bool> offnet =
            ask(Question::SystemMode, true, [system] { return system->mode() == OffnetMode; });
        if (!offnet)
            return std::nullopt;
        if (*offnet)
            return Offnet;
    }
    const std::optional<bool> commissioned =
        ask(Question::Commissioned, true, [&] { return device.commissioned(); });
    if (!commissioned)
        return std::nullopt;
    if (!*commissioned)
        return NotCommissioned;
    const std::optional<bool> underTest = ask(Question::TestFlag, true, [&] { return device.testFlag(); });
    if (!underTest)
        return std::nullopt;
    if (*underTest)
        return Unknown;
    if (asking)
        asking(Question::State);
    QString text;
    if (steps.run([&] { text = stateText(device.state()); }) == StepRunner::Outcome::Aborted)
        return std::nullopt;
    return text;
}

QString device_state::query(const lns::System* system, const lns::AppDevice& device)
{
    std::optional<lns::Error> failure;
    StepRunner steps([&failure](const lns::Error& error) {
        failure = error;
        return UiServices::Answer::Abort;
    });
    const std::optional<QString> text = query(system, device, steps);
    if (failure)
        throw *failure;
    return *text;
}
