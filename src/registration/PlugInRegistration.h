#pragma once

#include "host/StepRunner.h"

#include <QString>

class MessageCatalogue;
class SelfLauncher;
struct AppContext;

// Registering the plug-in on this machine, run stand-alone: the automation server, the
// plug-in's registry key that directors read, and the device resource directory.
class PlugInRegistration final
{
public:
    enum class Result
    {
        Registered,
        Updated,
        NewerVersionRegistered,
        ServerRegistrationFailed,
        RegistryWriteFailed,
        // Registered, but the plug-in's resource folder is not in the resource catalogue.
        ResourcesNotRegistered
    };

    // The resource-directory steps: silent retries for all steps together, then the user is asked.
    static constexpr StepRunner::RetryPolicy ResourceDirectoryRetries{5, StepRunner::RetryScope::WholeRun};

    PlugInRegistration(AppContext& context, SelfLauncher& launcher);
    PlugInRegistration(const PlugInRegistration&) = delete;
    PlugInRegistration& operator=(const PlugInRegistration&) = delete;

    // "german", "english" or empty; written to the registry value "Language".
    const QString& SelectedLanguage() const { return m_selectedLanguage; }
    void setSelectedLanguage(const QString& language) { m_selectedLanguage = language; }

    // Messages only when verbose.
    Result RegisterPlugIn(bool verbose);
    // Why the automation server could not be registered by the last RegisterPlugIn; empty when it was.
    const QString& serverFailure() const { return m_serverFailure; }
    // False when the user gave up on a failing catalogue step.
    bool RegisterResourceDirectory();

private:
    // The catalogue in the language the registry holds at this moment.
    const MessageCatalogue& freshTexts();

    AppContext& m_context;
    SelfLauncher& m_launcher;
    QString m_selectedLanguage;
    QString m_serverFailure;
};
