#pragma once

#include "host/Log.h"

// A log kept in memory, for work done away from the log that shows it: a worker writes here and
// the one who shows the log passes the lines on (replayTo) in an order of its choosing.
class MemoryLog final : public Log
{
public:
    MemoryLog() = default;

    void addInformation(const QString& text) override { add(Level::Information, text); }
    void addError(const QString& text) override { add(Level::Error, text); }
    void clear() override { m_entries.clear(); }
    bool save() override { return false; }
    bool saveAs() override { return false; }
    const QList<Entry>& entries() const override { return m_entries; }

    // Adds every line, by its level, to another log.
    static void replay(const QList<Entry>& entries, Log& to);

private:
    void add(Level level, const QString& text);

    QList<Entry> m_entries;
};
