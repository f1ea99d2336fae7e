#pragma once

#include <QString>

// Registry layout the program reads and writes.
namespace registry_keys {
inline const QString ProductKey = QStringLiteral("Korvandel_zep31_PlugIn");
inline const QString ProgId = QStringLiteral("Korvandel_zep31_PlugIn.LNSPlugInAPI");
inline const QString PlugInKey = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Korvandel_zep31_PlugIn");
inline const QString LonWorksKey = QStringLiteral("SOFTWARE\\LonWorks");
inline const QString LonWorksPathValue = QStringLiteral("LonWorks Path");
inline const QString InternationalKey = QStringLiteral("Control Panel\\International");
inline const QString DecimalValue = QStringLiteral("sDecimal");
inline const QString LanguageValue = QStringLiteral("Language");
inline const QString AppletsKey = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Applets\\");
} // namespace registry_keys
