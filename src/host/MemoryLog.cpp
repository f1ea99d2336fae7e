#include "host/MemoryLog.h"

void MemoryLog::add(Level level, const QString& text)
{
    m_entries.append({QDateTime::currentDateTime(), level, text});
}

void MemoryLog::replay(const QList<Entry>& entries, Log& to)
{
    for (const Entry& entry : entries) {
        if (entry.level == Level::Error)
            to.addError(entry.text);
        else
            to.addInformation(entry.text);
    }
}
