#include "host/ObjectPath.h"

#include "host/TextTrim.h"

#include <algorithm>

SplitResult SplitAtFirst(const QString& text, const QString& separator)
{
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {text, QString()};
    return {text.left(at), trimBlanks(text.mid(at + separator.size()))};
}

int ObjectPath::SplitObjectPath(const QString& objectName)
{
    m_components.clear();
    if (objectName.size() > MaxNameLength)
        return 0;
    // The rest is [start, end): splitting at a "/" trims the rest after it, which drops the blanks
    // after that "/" and, once, those at the end of the whole name.
    const QChar blank = QLatin1Char(' ');
    qsizetype start = 0;
    qsizetype end = objectName.size();
    qsizetype trimmedEnd = end;
    while (trimmedEnd > 0 && objectName.at(trimmedEnd - 1) == blank)
        --trimmedEnd;
    for (;;) {
        const qsizetype slash = objectName.indexOf(QLatin1Char('/'), start);
        const qsizetype headEnd = slash >= 0 && slash < end ? slash : end;
        if (headEnd == start)
            break;
        m_components.append(objectName.mid(start, headEnd - start));
        if (headEnd == end)
            break;
        start = headEnd + 1;
        end = std::max(start, trimmedEnd);
        while (start < end && objectName.at(start) == blank)
            ++start;
    }
    return count();
}

QString ObjectPath::PathComponent(int index, bool strip) const
{
    if (index <= 0 || index > count())
        return QString();
    const QString& component = m_components.at(index - 1);
    if (strip && component.contains(QLatin1Char(':'))) {
        const QString name = SplitAtFirst(component, QStringLiteral(":")).tail;
        if (!name.isEmpty())
            return name;
    }
    return component;
}
