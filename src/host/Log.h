#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The log of what the plug-in did to the devices: information and error lines, kept until
// cleared, saved on request. The window shows it; procedures only write to it.
class Log
{
public:
    enum class Level
    {
        Information,
        Error
    };

    struct Entry
    {
        QDateTime time;
        Level level;
        QString text;
    };

    virtual ~Log() = default;

    virtual void addInformation(const QString& text) = 0;
    virtual void addError(const QString& text) = 0;
    virtual void clear() = 0;
    // Saves to the file of the last successful save; asks for one like saveAs() when there is
    // none yet. False when the user cancelled or the file could not be written (the user has
    // been told why).
    virtual bool save() = 0;
    // Asks for a file name and saves there; later saves go to that file.
    virtual bool saveAs() = 0;
    virtual const QList<Entry>& entries() const = 0;

protected:
    Log() = default;
    Log(const Log&) = default;
    Log& operator=(const Log&) = default;
};
