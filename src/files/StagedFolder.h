#pragma once

#include "host/Expected.h"

#include <QByteArray>
#include <QString>

// A folder written whole or not at all. Its files go into a new folder beside the target, which
// takes the target's place only when every file is on the disk. An existing target is exchanged
// with the new folder in one step and then removed, so the target is never missing and never half
// replaced; on any failure, or when the work is given up, the old target stays as it was and the
// new folder goes.
class StagedFolder final
{
public:
    // Whether `target` may be replaced: not when a file or a link stands there, or a folder that
    // holds files but not `marker` (so a folder this program did not write is never taken).
    static Expected<void> replaceable(const QString& target, const QString& marker);

    explicit StagedFolder(const QString& target);
    ~StagedFolder();
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // Whether the new folder could be made beside the target.
    const Expected<void>& made() const { return m_made; }
    // A file of the new folder, written through AtomicFile.
    Expected<void> write(const QString& fileName, const QByteArray& content);
    // Puts the new folder in the target's place. A failure says where the old target is: as it
    // was, or, when the new folder is in place but the old one could not be removed, where it is left.
    Expected<void> commit();

private:
    QString m_target;
    QString m_staging;
    Expected<void> m_made;
    bool m_committed = false;
};
