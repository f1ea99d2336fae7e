#pragma once

#include "lns/resources/ResourceSet.h"

#include <QString>

namespace lnssim::resource_set_file {

// Reads a resource file (format in data/README.md). Throws lns::Error: NotFound for a missing
// file, BadArgument naming the line for a malformed one.
ResourceSet read(const QString& path);

// How many leading hex digits of a program ID a resource scope compares: scope 3 the format
// and manufacturer (6), 4 also the device class (10), 5 also the usage (12), 6 also the
// channel type (14); the standard scopes 0-2 compare none.
int prefixLength(int scope);
bool matches(const ResourceSet& set, const QString& programId, int scope);

} // namespace lnssim::resource_set_file
