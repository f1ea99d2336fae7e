#include "device/FindConfigProperty.h"

#include "host/StepRunner.h"
#include "host/UiServices.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/DeviceInterface.h"

#include <optional>

namespace {

// A block or NV number: decimal digits only.
std::optional<int> number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 0 || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return value;
}

struct Target
{
    // "F", "N" or "C".
    QString head;
    int owner = 0;
    // The CP type as "scope:index".
    QString type;
};

std::optional<Target> parse(const QString& id)
{
    const int colon = id.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    Target target;
    target.head = id.left(colon);
    const QString rest = id.mid(colon + 1);
    if (target.head == QLatin1String("C")) {
        target.type = rest;
        return target;
    }
    if (target.head != QLatin1String("F") && target.head != QLatin1String("N"))
        return std::nullopt;
    const int slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    const std::optional<int> owner = number(rest.left(slash));
    const QString remainder = rest.mid(slash + 1);
    const int typeColon = remainder.indexOf(QLatin1Char(':'));
    if (!owner || typeColon < 0)
        return std::nullopt;
    target.owner = *owner;
    target.type = remainder.mid(typeColon + 1);
    return target;
}

} // namespace

std::shared_ptr<lns::ConfigProperty> FindConfigProperty(const QString& id, const lns::AppDevice& device,
                                                        std::shared_ptr<lns::NetworkVariables> nvCollection,
                                                        UiServices& ui)
{
    StepRunner steps([&ui](const lns::Error& error) {
        const UiServices::Answer answer =
            ui.message(QString::number(error.number()) + QLatin1Char(' ') + error.description(),
                       QStringLiteral("fMain FindConfigProperty"), UiServices::Icon::Critical,
                       UiServices::Buttons::AbortRetryIgnore);
        if (answer == UiServices::Answer::Retry || answer == UiServices::Answer::Ignore)
            return answer;
        return UiServices::Answer::Abort;
    });
    return FindConfigProperty(id, device, std::move(nvCollection), steps);
}

std::shared_ptr<lns::ConfigProperty> FindConfigProperty(const QString& id, const lns::AppDevice& device,
                                                        std::shared_ptr<lns::NetworkVariables> nvCollection,
                                                        StepRunner& steps)
{
    const std::optional<Target> target = parse(id);
    if (!target)
        return nullptr;

    std::shared_ptr<lns::DeviceInterface> deviceInterface;
    steps.run([&] { deviceInterface = device.deviceInterface(); });
    if (!deviceInterface)
        return nullptr;

    std::shared_ptr<lns::ConfigProperties> properties;
    if (target->head == QLatin1String("C")) {
        steps.run([&] { properties = deviceInterface->configProperties(); });
    } else if (target->head == QLatin1String("F")) {
        std::shared_ptr<lns::FunctionalBlocks> blocks;
        std::shared_ptr<lns::FunctionalBlock> block;
        steps.run([&] { blocks = deviceInterface->functionalBlocks(); });
        if (blocks)
            steps.run([&] { block = blocks->item(target->owner + 1); });
        if (block)
            steps.run([&] { properties = block->configProperties(); });
    } else {
        if (!nvCollection)
            steps.run([&] { nvCollection = deviceInterface->networkVariables(); });
        std::shared_ptr<lns::NetworkVariable> variable;
        if (nvCollection)
            steps.run([&] { variable = nvCollection->item(target->owner); });
        if (variable)
            steps.run([&] { properties = variable->configProperties(); });
    }
    if (!properties || steps.aborted())
        return nullptr;

    int count = 0;
    steps.run([&] { count = properties->count(); });
    for (int position = 1; position <= count && !steps.aborted(); ++position) {
        std::shared_ptr<lns::ConfigProperty> property;
        QString type;
        steps.run([&] {
            property = properties->item(position);
            if (property)
                type = QString::number(property->typeScope()) + QLatin1Char(':') +
                       QString::number(property->typeIndex());
        });
        if (property && type == target->type)
            return property;
    }
    return nullptr;
}
