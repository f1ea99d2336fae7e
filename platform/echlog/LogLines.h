#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The lines the log view shows: one row per line of an entry (an entry may hold line breaks),
// error lines in red. A list model lets the view lay out only the rows on screen, so a log of a
// thousand-device transfer costs no more per line than an empty one.
class LogLines final : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void append(const QString& text, bool error);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Line
    {
        QString text;
        bool error;
    };

    QList<Line> m_lines;
};
