#pragma once

#include <QString>

// The folder that holds everything the LonWorks platform keeps: $LONWORKS_HOME, by default
// $XDG_DATA_HOME/lonworks (~/.local/share/lonworks).
namespace lonworks_home {
QString path();
QString registryFile();
QString lnsFolder();
} // namespace lonworks_home
