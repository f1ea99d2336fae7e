#pragma once

#include "host/Expected.h"

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: it is written whole into a temporary file
// beside the target, each step checked (open, write, flush to the disk), and only then renamed
// over the target. On any failure the target keeps its old content and the temporary file goes.
// QSaveFile alone is not enough: it flushes its buffer inside commit() and ignores the error of
// that flush, so on a full disk it renames an empty file over a good one and reports success.
class AtomicFile final
{
public:
    // On failure, why the file could not be written ("No space left on device").
    static Expected<void> write(const QString& path, const QByteArray& content);
    // Whether `path` could be written now, checked by opening the temporary file and dropping it
    // again, so that work whose result goes to the file can be refused before it starts.
    static Expected<void> probe(const QString& path);
};
