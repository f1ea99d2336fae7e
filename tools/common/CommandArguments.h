#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// The words after a command: positional arguments and "--name value" or "--name=value" options,
// in any order. A value that begins with "--" is taken only in the "=" form; "--" ends the
// options, so that a positional argument may itself begin with "--". Throws UsageError.
class CommandArguments final
{
public:
    CommandArguments(const QStringList& words, const QStringList& valueOptions,
                     const QStringList& flagOptions = {});

    // Exactly min..max positional arguments, else UsageError.
    void requirePositional(int min, int max) const;
    const QString& at(int position) const { return m_positional[position]; }
    int count() const { return static_cast<int>(m_positional.size()); }

    std::optional<QString> option(const QString& name) const;
    bool flag(const QString& name) const { return m_flags.contains(name); }
    // How many of the given options were given.
    int given(const QStringList& names) const;

    static int integer(const QString& text, const QString& what);
    static double number(const QString& text, const QString& what);
    static bool yesNo(const QString& text, const QString& what);

private:
    QStringList m_positional;
    QMap<QString, QString> m_options;
    QStringList m_flags;
};
