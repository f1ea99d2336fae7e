#pragma once

#include "files/ParameterFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The index of a network's backup: one parameter file per device in one folder, and index.json
// naming for each device where it sat, which unit it was, the file and the file's SHA-256. A
// device that could not be read is listed as failed; it keeps the file of an earlier backup when
// there was one, so that a unit that is offline on the day of a backup does not lose its copy.
struct BackupIndex
{
    static inline const QString FileName = QStringLiteral("index.json");

    struct Entry
    {
        QString subsystem;
        QString device;
        QString neuronId;
        QString programId;
        // The state panel's text when the file was read ("Cnfg Online", "Not Commissioned yet").
        QString state;
        // Empty when the backup holds no file for the device.
        QString file;
        QString sha256;
        // When the file was read, ISO 8601 in UTC.
        QString time;
        // Why the device could not be read; empty when the file was read in this backup.
        QString error;

        QString path() const { return subsystem + QLatin1Char('/') + device; }
        bool failed() const { return !error.isEmpty(); }
    };

    QString network;
    // Only devices of this program ID were backed up; empty for every ZEP31.
    QString programId;
    QString created;
    QList<Entry> devices;

    QByteArray toJson() const;
    // Refuses anything this program did not write: another format or version, a missing or
    // mistyped field, a path that is not SUBSYSTEM/DEVICE, a file name other than the one the
    // path gives (so an index can never point outside its folder), a malformed hash, a path or
    // Neuron ID listed twice.
    static Expected<BackupIndex> fromJson(const QByteArray& json);
    // index.json of a backup folder.
    static Expected<BackupIndex> read(const QString& folder);

    // The file name of a device: the path with every byte outside [A-Za-z0-9._-] of its UTF-8 as
    // %XX, so that any name is safe in a file system and two paths never share a file. A name too
    // long for a file system keeps its start and gets a hash of the whole path.
    static QString fileName(const QString& subsystem, const QString& device);
    static QString sha256(const QByteArray& bytes);

    // The parameter set of an entry, refused when the file is missing, differs from its hash or
    // is no parameter file.
    static Expected<ParameterSet> readSet(const QString& folder, const Entry& entry,
                                          const QString& decimalSeparator);
};
