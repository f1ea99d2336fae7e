#pragma once

#include "device/point_catalogue/PointCatalogue.h"
#include "host/Expected.h"

#include <QByteArray>
#include <QString>
#include <array>

// The records of a parameter file exactly as they are stored: the type code and value of each
// record (one per CP, one per element of an array CP) and the bytes after the last one, so that a
// file comes apart and goes back together byte for byte.
class ParameterRecords final
{
public:
    static constexpr int Count = point_catalogue::cp::valueCount();
    static constexpr int MaxTextBytes = 65535;
    // Bytes after the last record are left over from an older, longer file overwritten in place, so
    // there are never more than another parameter file holds. A real one is about 1.5 KB (short
    // texts); this bound leaves room for forty of those and refuses a file that merely begins like
    // a parameter file (a disk image, a log that grew on).
    static constexpr int MaxTrailingBytes = 64 * 1024;
    // The longest file the reader takes: every record a text of the longest length, then the
    // trailing bytes.
    static constexpr qint64 MaxFileBytes = qint64{Count} * (4 + MaxTextBytes) + MaxTrailingBytes;

    enum class Type : quint16
    {
        Empty = 0,
        Null = 1,
        Int16 = 2,
        Int32 = 3,
        Single = 4,
        Double = 5,
        Text = 8,
        Boolean = 11,
        Int8 = 16,
        UInt8 = 17,
        UInt16 = 18,
        UInt32 = 19,
        Int64 = 20,
        UInt64 = 21
    };

    struct Record
    {
        Type type = Type::Empty;
        // Numbers: the stored bytes as a little-endian number, zero above the width of the type.
        quint64 bits = 0;
        // Text: the Windows-1252 bytes, at most MaxTextBytes.
        QByteArray text;

        // The number read as the signed type it is stored in; booleans are signed 16-bit.
        qint64 signedValue() const;
        bool operator==(const Record&) const = default;
    };

    // Which CP a record holds: its position in the point catalogue and, for the array CPs, the
    // element index from 0 (-1 for a whole value).
    struct Location
    {
        int position = 0;
        int element = -1;
    };

    std::array<Record, Count> records{};
    // Left over from an older, longer file that was overwritten in place.
    QByteArray trailing;

    // Checks the whole file before taking anything: Count well-formed records of known types and at most
    // MaxTrailingBytes after them.
    static Expected<ParameterRecords> parse(const QByteArray& bytes);
    // Text longer than MaxTextBytes is cut there so that the file stays readable.
    QByteArray compose() const;

    // Payload bytes of a number type; 0 for empty, null and text.
    static int width(Type type);
    // False for codes that are not one of the types above.
    static bool isKnown(quint16 code);
    static Location location(int index);

    bool operator==(const ParameterRecords&) const = default;
};
