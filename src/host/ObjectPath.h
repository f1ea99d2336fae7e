#pragma once

#include <QString>
#include <QStringList>

// The components of a director's object name, "Net/Building/Floor 2:F2/Room 12:ROU_1".
class ObjectPath final
{
public:
    // Longer names are no director's: they name nothing and are not split.
    static constexpr qsizetype MaxNameLength = 4096;

    // Replaces the components; returns their number. An empty component ends the list; a name
    // longer than MaxNameLength gives none. Each step splits the rest at its first "/" and
    // trims blanks off the rest, in one pass over the name.
    int SplitObjectPath(const QString& objectName);
    int count() const { return static_cast<int>(m_components.size()); }
    // 1-based; out of range gives the empty text. With strip, "prefix:name" gives "name"
    // (trimmed) unless that is empty.
    QString PathComponent(int index, bool strip) const;

private:
    QStringList m_components;
};

struct SplitResult
{
    QString head;
    QString tail;
};

// Splits at the first occurrence of separator (case-insensitive): head untrimmed, tail trimmed.
// Without an occurrence, head is the whole text and tail empty.
SplitResult SplitAtFirst(const QString& text, const QString& separator);
