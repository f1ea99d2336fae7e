#pragma once

#include "files/ParameterSet.h"

#include <QList>
#include <QString>

class PointTables;
class QTextStream;

// The values of a device as the window shows them, for reading by people (aligned text) and
// by programs (JSON, CSV). Text is written with the user's separator, exactly as the device gave it.
class DeviceOutput final
{
public:
    enum class Format
    {
        Text,
        Json,
        Csv
    };
    struct Identity
    {
        QString name;
        QString subsystem;
        QString neuronId;
        QString programId;
        QString state;
    };
    // One point: "CP", "NVI" or "NVO", its catalogue position, owner, name, element (-1 for a
    // whole value) and value.
    struct Row
    {
        QString kind;
        int position = 0;
        QString owner;
        QString name;
        int element = -1;
        QString value;
    };

    // A CP that differs between two devices, or a device and a file.
    struct Difference
    {
        int position = 0;
        QString cp;
        QString left;
        QString right;
    };

    // "text", "json" or "csv"; UsageError for anything else.
    static Format format(const QString& name);

    // Every CP (with the elements of the array CPs) and, as far as they were read, every NV.
    static QList<Row> rows(const PointTables& points, const ParameterSet& set);
    static void write(QTextStream& out, Format format, const Identity& identity, const QList<Row>& rows);
    // The devices of a network, one line, object or row each.
    static void writeDevices(QTextStream& out, Format format, const QString& network,
                             const QList<Identity>& devices);
    // The CPs in which `left` and `right` differ; the text says so when none does.
    static void writeDifferences(QTextStream& out, Format format, const QString& left, const QString& right,
                                 const QList<Difference>& differences);

    // A CP by its owner and name ("Switch[0]/SCPTmaxOut"): several owners have CPs of one name.
    static QString cpName(const PointTables& points, int position);
    // Columns padded to their widest cell, two spaces apart.
    static void writeTable(QTextStream& out, const QList<QStringList>& table);
};
