#pragma once

#include "host/RegistryKeys.h"

#include <QString>

// The plug-in's identity as directors and the registry see it.
namespace plugin_identity {
inline const QString Name = registry_keys::ProductKey;
inline const QString ManufacturerName = QStringLiteral("Korvandel Devices GmbH");
inline const QString ManufacturerID = QStringLiteral("1048380");
inline const QString LcaVersion = QStringLiteral("3.0");
inline const QString Version = QStringLiteral("1.4");
inline const QString Description = QStringLiteral("Plug-in for ZEP31");
// The title of message boxes that name no title of their own.
inline const QString ProgramTitle = registry_keys::ProductKey;
} // namespace plugin_identity
