#include "CommandArguments.h"

#include "UsageError.h"

CommandArguments::CommandArguments(const QStringList& words, const QStringList& valueOptions,
                                   const QStringList& flagOptions)
{
    bool optionsEnded = false;
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        const QString& word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            m_positional.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? word : word.left(equals);
        if (flagOptions.contains(name)) {
            if (equals >= 0)
                throw UsageError(QStringLiteral("The option %1 takes no value").arg(name));
            m_flags.append(name);
        } else if (valueOptions.contains(name)) {
            QString value;
            if (equals >= 0) {
                // "--report=--x" names a file that begins with "--" on purpose.
                value = word.mid(equals + 1);
            } else {
                // The next word is not taken when it is an option: "--report --dry-run" would
                // otherwise write the report to a file named "--dry-run" and run for real.
                if (i + 1 >= static_cast<int>(words.size()) || words[i + 1].startsWith(QLatin1String("--")))
                    throw UsageError(
                        QStringLiteral("The option %1 needs a value (give %1=VALUE for a value that begins "
                                       "with \"--\")")
                            .arg(name));
                value = words[++i];
            }
            if (m_options.contains(name))
                throw UsageError(QStringLiteral("The option %1 is given twice").arg(name));
            m_options.insert(name, value);
        } else {
            throw UsageError(QStringLiteral("Unknown option %1").arg(name));
        }
    }
}

void CommandArguments::requirePositional(int min, int max) const
{
    if (count() < min)
        throw UsageError(QStringLiteral("Missing arguments"));
    if (count() > max)
        throw UsageError(QStringLiteral("Unexpected argument \"%1\"").arg(m_positional[max]));
}

std::optional<QString> CommandArguments::option(const QString& name) const
{
    const auto found = m_options.find(name);
    if (found == m_options.end())
        return std::nullopt;
    return *found;
}

int CommandArguments::given(const QStringList& names) const
{
    int found = 0;
    for (const QString& name : names)
        found += m_options.contains(name) || m_flags.contains(name) ? 1 : 0;
    return found;
}

int CommandArguments::integer(const QString& text, const QString& what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("The %1 \"%2\" is not a whole number").arg(what, text));
    return value;
}

double CommandArguments::number(const QString& text, const QString& what)
{
    bool ok = false;
    QString normalised = text;
    const double value = normalised.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("The %1 \"%2\" is not a number").arg(what, text));
    return value;
}

bool CommandArguments::yesNo(const QString& text, const QString& what)
{
    if (text == QLatin1String("yes"))
        return true;
    if (text == QLatin1String("no"))
        return false;
    throw UsageError(QStringLiteral("The %1 \"%2\" is neither yes nor no").arg(what, text));
}
