#pragma once

#include "host/RegistryKeys.h"

#include <QString>
#include <exception>
#include <string>

// An error the plug-in returns to the director: a number, the component that raised it and a
// description in the current language.
class AutomationError final : public std::exception
{
public:
    static constexpr int RegistrationFailed = 20000;
    static constexpr int ReadOnlyProperty = 20002;
    static constexpr int CommandNotSupported = 20003;
    static constexpr int ObjectTypeNotSupported = 20004;
    static constexpr int ObjectNotFound = 20005;
    static constexpr int NotPossibleNow = 20006;

    // The plug-in's own errors name the product as their source.
    AutomationError(int number, QString description, QString source = registry_keys::ProductKey);

    int number() const noexcept { return m_number; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};
