#pragma once

#include <QString>

namespace lnssim::collection_errors {

// The NotFound errors of the collections, for example
// "No network named "Foo" in this object server" or
// "No subsystem at position 3 in network "Demo" (it has 2; positions count from 1)".
[[noreturn]] void missingName(const QString& itemKind, const QString& name, const QString& place);
[[noreturn]] void missingPosition(const QString& itemKind, int position, const QString& place, int count);
// For the NV collection, whose items are found by NV index.
[[noreturn]] void missingIndex(const QString& itemKind, int index, const QString& place);

} // namespace lnssim::collection_errors
