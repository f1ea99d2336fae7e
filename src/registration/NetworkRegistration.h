#pragma once

#include "host/CommandTable.h"

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

struct AppContext;

namespace lns {
class ComponentApp;
class ComponentApps;
class DeviceTemplate;
class DeviceTemplates;
} // namespace lns

// Registering the plug-in inside the open network (director command 50): device templates for
// the served variants, the plug-in's commands at each template, the default action and the
// device resource files.
class NetworkRegistration final
{
public:
    // Template kind of the device templates the plug-in creates.
    static constexpr int TemplateKind = 1;
    // Tries of UniqueTemplateName and UniqueComponentAppName.
    static constexpr int MaxNameTries = 1000;

    explicit NetworkRegistration(AppContext& context);
    NetworkRegistration(const NetworkRegistration&) = delete;
    NetworkRegistration& operator=(const NetworkRegistration&) = delete;

    // True when the commands were registered; false when a template is missing or cannot be
    // created, no network is open, or the user aborts.
    bool RegisterWithNetwork();
    bool InstallResourceFiles();

    static QString UniqueTemplateName(const QString& baseName, const lns::DeviceTemplates& templates);
    std::shared_ptr<lns::ComponentApp> UniqueComponentAppName(lns::ComponentApps& apps,
                                                              const PlugInCommand& row);

private:
    // The collection a row's commands are registered in; null when there is none.
    std::shared_ptr<lns::ComponentApps> componentAppsFor(const PlugInCommand& row,
                                                         lns::DeviceTemplate& deviceTemplate);
    void registerCommand(const PlugInCommand& row, lns::DeviceTemplate& deviceTemplate);
    // Yes or No; nothing when nobody could answer, so the default action stays as it is.
    std::optional<bool> askDefault(const PlugInCommand& row, const QString& templateName);

    AppContext& m_context;
    // Default-action answers of the current run, by command name.
    QHash<QString, std::optional<bool>> m_defaultAnswers;
};
