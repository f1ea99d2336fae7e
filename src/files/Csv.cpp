#include "files/Csv.h"

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

Expected<std::vector<csv::Row>> csv::rows(const QString& text)
{
    std::vector<Row> result;
    int line = 1;
    qsizetype at = 0;
    const auto endsField = [&text](qsizetype position) {
        return position >= text.size() || text.at(position) == QLatin1Char(',') ||
               text.at(position) == QLatin1Char('\r') || text.at(position) == QLatin1Char('\n');
    };
    while (at < text.size()) {
        Row row{line, {}};
        while (true) {
            QString field;
            if (text.at(at) == QLatin1Char('"')) {
                ++at;
                const int quoteLine = line;
                while (true) {
                    if (at >= text.size())
                        return Failure{
                            QStringLiteral("Line %1: a quoted field is not closed.").arg(quoteLine)};
                    const QChar character = text.at(at++);
                    if (character == QLatin1Char('"')) {
                        if (at >= text.size() || text.at(at) != QLatin1Char('"'))
                            break;
                        ++at;
                    } else if (character == QLatin1Char('\n')) {
                        ++line;
                    }
                    field += character;
                }
                if (!endsField(at)) {
                    // A quote left open runs on to the next quote, often lines further down: the
                    // fault lies where the field began.
                    return Failure{quoteLine == line
                                       ? QStringLiteral("Line %1: text follows a closing quote.").arg(line)
                                       : QStringLiteral("Line %1: the quoted field that starts here is not "
                                                        "closed (the quote on line %2 is followed by text).")
                                             .arg(quoteLine)
                                             .arg(line)};
                }
            } else {
                while (!endsField(at)) {
                    if (text.at(at) == QLatin1Char('"'))
                        return Failure{
                            field.contains(QLatin1Char(';'))
                                ? QStringLiteral(
                                      "Line %1: the fields are separated by semicolons; they must be "
                                      "separated by commas.")
                                      .arg(line)
                                : QStringLiteral("Line %1: a quote in a field that does not start with one.")
                                      .arg(line)};
                    field += text.at(at++);
                }
            }
            row.fields.append(field);
            if (at < text.size() && text.at(at) == QLatin1Char(',')) {
                ++at;
                continue;
            }
            break;
        }
        if (at < text.size()) {
            const bool crlf = text.at(at) == QLatin1Char('\r') && at + 1 < text.size() &&
                              text.at(at + 1) == QLatin1Char('\n');
            at += crlf ? 2 : 1;
            ++line;
        }
        if (row.fields.size() > 1 || !row.fields.front().isEmpty())
            result.push_back(row);
    }
    return result;
}
