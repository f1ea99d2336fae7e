#pragma once

#include "host/Log.h"

#include <QTimer>
#include <QWidget>

class LogLines;
class QListView;
class UiServices;

// The log as a control: the lines in a read-only view that follows the newest line.
//
// Log file format (UTF-8, one line per entry, each line ended by LF):
//
//     <time stamp> TAB <level> TAB <text>
//
// - time stamp: ISO-8601 local time with milliseconds and the UTC offset in force,
//   for example 2024-03-05T14:07:09.123+01:00 ("Z" in place of a zero offset);
// - level: "I" for an information line, "E" for an error line;
// - text: the entry's text with backslash, tab, CR and LF written as \\, \t, \r and \n, so
//   every entry stays on one line and an empty entry (a spacer) gives an empty third field.
//
// A save replaces the whole file with every entry held; it goes through a temporary file, so
// a failed save leaves an earlier file as it was.
class EchLog final : public QWidget, public Log
{
    Q_OBJECT

public:
    explicit EchLog(UiServices& ui, QWidget* parent = nullptr);
    EchLog(const EchLog&) = delete;
    EchLog& operator=(const EchLog&) = delete;

    void addInformation(const QString& text) override;
    void addError(const QString& text) override;
    void clear() override;
    bool save() override;
    bool saveAs() override;
    const QList<Entry>& entries() const override { return m_entries; }
    const QString& fileName() const { return m_fileName; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One entry as a line of the log file, without the line end.
    static QString fileLine(const Entry& entry);
    void add(Level level, const QString& text);
    bool writeTo(const QString& fileName);

    UiServices& m_ui;
    LogLines* m_lines;
    QListView* m_view;
    QTimer m_follow;
    QList<Entry> m_entries;
    QString m_fileName;
};
