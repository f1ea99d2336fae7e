#include "host/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

const QString crlf = QStringLiteral("\r\n");

// The same word as MainTexts[8]; the help box emphasises it by searching for that entry.
QString functionLabel(Language language)
{
    return language == Language::English ? QStringLiteral("Function:") : QStringLiteral("Funktion:");
}

QString nvHelpText(const QString& header, const QString& typeName, int typeIndex, const QString& name,
                   Language language, const QString& description)
{
    return header + crlf + typeName + QStringLiteral(", Index ") + QString::number(typeIndex) + crlf +
           QLatin1Char('(') + name + QLatin1Char(')') + crlf + crlf + functionLabel(language) + crlf +
           description;
}

} // namespace

QString nviHelpText(const QString& typeName, int typeIndex, const QString& name, Language language,
                    const QString& description)
{
    return nvHelpText(QStringLiteral("SNVT Typ: "), typeName, typeIndex, name, language, description);
}

QString nvoHelpText(const QString& typeName, int typeIndex, const QString& name, Language language,
                    const QString& description)
{
    return nvHelpText(QStringLiteral("SNVT Typ:"), typeName, typeIndex, name, language, description);
}

QString forSwitchObject(const QString& text, int object)
{
    QString result = text;
    result.replace(QStringLiteral("%1"), QString::number(object));
    result.replace(QStringLiteral("%2"), QString::number(object + 1));
    return result;
}

QString cpHelpText(const QString& name, int typeIndex, const QString& valueType, Language language,
                   const QString& description)
{
    const QString header =
        name.startsWith(QStringLiteral("UCPT")) ? QStringLiteral("UCPT Typ:") : QStringLiteral("SCPT Typ:");
    return header + crlf + name + QStringLiteral(", Index ") + QString::number(typeIndex) +
           QStringLiteral(", ") + valueType + crlf + functionLabel(language) + crlf + description;
}

} // namespace catalogue
