#pragma once

#include "files/ParameterRecords.h"
#include "files/ParameterSet.h"

#include <QByteArray>
#include <QString>

// The binary parameter file: a variant record per CP value (little-endian type code, for text a 16-bit
// character count and the characters in Windows-1252) in a fixed order, no header.
class ParameterFile final
{
public:
    static constexpr int RecordCount = ParameterRecords::Count;

    // Text that Windows-1252 cannot hold or that is longer than a record can hold is refused.
    static Expected<QByteArray> encode(const ParameterSet& set);
    // Checks the whole file before taking anything: RecordCount well-formed records of known types, no text
    // holding a NUL. Up to ParameterRecords::MaxTrailingBytes after the last record are tolerated
    // (older files were overwritten in place).
    // Numbers other than text are given as their text form with `decimalSeparator`.
    static Expected<ParameterSet> decode(const QByteArray& bytes, const QString& decimalSeparator);

    // Writes through AtomicFile, so that a failed save never replaces a good file.
    static Expected<void> write(const QString& path, const ParameterSet& set);
    static Expected<ParameterSet> read(const QString& path, const QString& decimalSeparator);
};
