#pragma once

#include <QString>

namespace lnssim::local_path {

// Callers pass paths in the platform's original form ("...\Types\User"); files are opened
// with "/".
QString fromPlatform(const QString& path);

} // namespace lnssim::local_path
