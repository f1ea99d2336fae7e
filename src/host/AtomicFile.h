#pragma once

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
    // Empty on success; otherwise why the file could not be written ("No space left on device").
    static QString write(const QString& path, const QByteArray& content);
    // Whether `path` could be written now, checked by opening the temporary file and dropping it
    // again, so that work whose result goes to the file can be refused before it starts. Empty
    // when it could; otherwise why not.
    static QString probe(const QString& path);
};
