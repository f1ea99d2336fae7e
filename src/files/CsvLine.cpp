#include "files/CsvLine.h"

#include <QRegularExpression>

QString csv::line(const QStringList& fields)
{
    static const QRegularExpression needsQuotes(QStringLiteral("[,\"\r\n]"));
    QStringList quoted;
    quoted.reserve(fields.size());
    for (QString field : fields) {
        if (field.contains(needsQuotes)) {
            field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        quoted.append(field);
    }
    return quoted.join(QLatin1Char(','));
}
