#include "host/ObjectPath.h"

#include "host/TextTrim.h"

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
    QString rest = objectName;
    for (;;) {
        SplitResult split = SplitAtFirst(rest, QStringLiteral("/"));
        if (split.head.isEmpty())
            break;
        m_components.append(split.head);
        rest = split.tail;
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
