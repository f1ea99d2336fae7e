#pragma once

#include <QtGlobal>

// The progress a multi-device transfer shows: devices, parameters and the time left.
class TransferStatus
{
public:
    virtual ~TransferStatus() = default;
    // Shows the progress for a new transfer; nothing is cancelled yet.
    virtual void start(int deviceCount, int cpCount) = 0;
    // Device d (from 1) starts.
    virtual void setDevice(int device) = 0;
    // Parameter p (from 1) of the current device is handled.
    virtual void setParameter(int parameter) = 0;
    // The time left as the channel model puts it; for the rest of the transfer it replaces the
    // estimate from the previous device's time.
    virtual void setEstimate(qint64 seconds) = 0;
    // The transfer has ended; closing the progress now cancels nothing.
    virtual void finish() = 0;

protected:
    TransferStatus() = default;
    TransferStatus(const TransferStatus&) = default;
    TransferStatus& operator=(const TransferStatus&) = default;
};
