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
        } else if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (flagOptions.contains(word)) {
            m_flags.append(word);
        } else if (valueOptions.contains(word)) {
            if (i + 1 >= static_cast<int>(words.size()))
                throw UsageError(QStringLiteral("The option %1 needs a value").arg(word));
            if (m_options.contains(word))
                throw UsageError(QStringLiteral("The option %1 is given twice").arg(word));
            m_options.insert(word, words[++i]);
        } else {
            throw UsageError(QStringLiteral("Unknown option %1").arg(word));
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
