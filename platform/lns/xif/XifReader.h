#pragma once

#include "lns/model/InterfaceDefinition.h"

#include <QString>

namespace lnssim {

// Reads our device interface files (*.xif): one declaration per line, described in
// data/README.md. Every problem throws lns::Error (BadArgument) naming the file and line.
namespace xif_reader {

// The file's text; a missing or unreadable file throws lns::Error (NotFound).
QString readFile(const QString& path);
InterfaceDefinition parse(const QString& text, const QString& sourceName);

} // namespace xif_reader

} // namespace lnssim
