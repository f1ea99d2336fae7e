#include "echlog/LogLines.h"

#include <QColor>
#include <QRegularExpression>

void LogLines::append(const QString& text, bool error)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    const int first = static_cast<int>(m_lines.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
    for (const QString& line : lines)
        m_lines.append(Line{line, error});
    endInsertRows();
}

void LogLines::clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int LogLines::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant LogLines::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const Line& line = m_lines.at(index.row());
    if (role == Qt::DisplayRole)
        return line.text;
    if (role == Qt::ForegroundRole && line.error)
        return QColor(Qt::red);
    return {};
}
