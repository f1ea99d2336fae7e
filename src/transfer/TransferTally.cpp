#include "transfer/TransferTally.h"

QString TransferTally::summary() const
{
    QString text =
        QStringLiteral("%1 of %2 devices written, %3 skipped").arg(written).arg(total).arg(skipped);
    if (databaseOnly > 0)
        text += QStringLiteral(", %1 stored in the database only (device not commissioned or not online)")
                    .arg(databaseOnly);
    if (unchanged > 0)
        text += QStringLiteral(", %1 unchanged").arg(unchanged);
    return text;
}
