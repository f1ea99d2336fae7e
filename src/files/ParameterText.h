#pragma once

#include "files/ParameterRecords.h"

#include <QByteArray>
#include <QString>

// The records of a parameter file as text people can read and edit, JSON or CSV (UTF-8), that
// reads back to the same file byte for byte. Each record gives its number, the CP it holds, its
// type by name and its value as text. Reading goes by record number; the CP names are for people.
class ParameterText final
{
public:
    // {"records": [{"record": 1, "point": ..., "element": ..., "type": ..., "value": ...}, ...],
    //  "trailing": hex}; "element" (from 0) only for the elements of the array CPs.
    static QByteArray toJson(const ParameterRecords& records);
    // The header record,point,element,type,value, a row per record and a last row whose record is
    // "trailing" with the trailing bytes as hex in its value.
    static QByteArray toCsv(const ParameterRecords& records);
    // A failure names the record or line at fault.
    static Expected<ParameterRecords> fromJson(const QByteArray& json);
    static Expected<ParameterRecords> fromCsv(const QByteArray& csv);
};
