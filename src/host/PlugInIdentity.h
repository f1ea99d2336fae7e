#pragma once

#include "host/RegistryKeys.h"

#include <QString>

// The plug-in's identity as directors and the registry see it.
namespace plugin_identity {
inline const QString Name = registry_keys::ProductKey;
inline const QString ManufacturerName = QStringLiteral("Korvandel Devices GmbH");
inline const QString ManufacturerID = QStringLiteral("1048380");
inline const QString LcaVersion = QStringLiteral("3.0");
// The product's version, set once in the build (the project's version): the registry, the
// templates, the about box, every program's --version and the package all show this one.
inline const QString Version = QStringLiteral(ZEP31_VERSION);
inline const QString Description = QStringLiteral("Plug-in for ZEP31");
// The title of message boxes that name no title of their own.
inline const QString ProgramTitle = registry_keys::ProductKey;
// What `--version` prints: the program's name and the version.
inline QString versionLine(const QString& program)
{
    return program + QLatin1Char(' ') + Version;
}
} // namespace plugin_identity
