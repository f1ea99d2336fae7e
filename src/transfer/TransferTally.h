#pragma once

#include <QString>

// How a transfer to several devices ended, counted per device. The window's log and status
// bar and zep31ctl print the same line, so an integrator reads one wording everywhere.
struct TransferTally
{
    // Devices the transfer was meant for.
    int total = 0;
    // Every CP written and read back from the device itself.
    int written = 0;
    // Not (or not wholly) written: skipped by the user, failed after the retries, cancelled.
    int skipped = 0;
    // Not online: the values reached the network database only, not the device.
    int databaseOnly = 0;
    // Already held every value, so nothing was written (zep31ctl's --only-changed).
    int unchanged = 0;

    // "n of m devices written, k skipped", with the database-only and unchanged counts when
    // there are any.
    QString summary() const;
};
