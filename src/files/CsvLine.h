#pragma once

#include <QString>
#include <QStringList>

namespace csv {

// The fields as one CSV line without its end, each quoted where it holds a comma, a quote or
// a line break (RFC 4180).
QString line(const QStringList& fields);

} // namespace csv
