#pragma once

#include <QString>
#include <QStringList>

// What a transfer tells the one who started it while it writes a device's configuration
// properties: the window shows progress and lets events run, a command-line tool counts.
class TransferObserver
{
public:
    virtual ~TransferObserver() = default;
    // Before the CP at this catalogue position is handled; false stops the transfer there.
    virtual bool beforeCp(int position) = 0;
    // The CP was written and read back.
    virtual void cpWritten(int position, const QString& readBack) = 0;
    // Before cpWritten, with element read-back on (DeviceTransfer::setElementReadBack): the
    // elements of an array CP as read back one by one.
    virtual void elementsWritten(int, const QStringList&) {}
    // After the CP at this position was handled, written or not.
    virtual void afterCp(int position) = 0;

protected:
    TransferObserver() = default;
    TransferObserver(const TransferObserver&) = default;
    TransferObserver& operator=(const TransferObserver&) = default;
};
