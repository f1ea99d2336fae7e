#pragma once

#include "host/Expected.h"

#include <QString>
#include <QStringList>
#include <vector>

// CSV as RFC 4180 has it, written and read in one place.
namespace csv {

// The fields as one CSV line without its end, each quoted where it holds a comma, a quote or
// a line break.
QString line(const QStringList& fields);

struct Row
{
    // Where the row starts, from 1.
    int line = 0;
    QStringList fields;
};

// The rows of a text: fields in quotes may hold commas, doubled quotes and line breaks; rows end
// with CRLF, LF or CR; blank lines are passed over. Fails on a quote out of place, naming its line.
Expected<std::vector<Row>> rows(const QString& text);

} // namespace csv
