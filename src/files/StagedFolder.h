#pragma once

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
    // Why `target` may not be replaced: a file or a link stands there, or a folder that holds files
    // but not `marker` (so a folder this program did not write is never taken). Empty when it may.
    static QString refusal(const QString& target, const QString& marker);

    explicit StagedFolder(const QString& target);
    ~StagedFolder();
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // Why the new folder could not be made beside the target; empty when it was.
    const QString& error() const { return m_error; }
    // A file of the new folder, written through AtomicFile. Empty on success, else why not.
    QString write(const QString& fileName, const QByteArray& content);
    // Puts the new folder in the target's place. Empty on success, else what happened, saying
    // where the old target is: as it was, or, when the new folder is in place but the old one could
    // not be removed, where it is left.
    QString commit();

private:
    QString m_target;
    QString m_staging;
    QString m_error;
    bool m_committed = false;
};
