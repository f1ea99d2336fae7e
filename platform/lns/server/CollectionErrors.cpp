#include "lns/server/CollectionErrors.h"

#include "host/object_server/Error.h"

namespace lnssim::collection_errors {

void missingName(const QString& itemKind, const QString& name, const QString& place)
{
    throw lns::Error(lns::errors::NotFound,
                     QStringLiteral("No %1 named \"%2\" %3").arg(itemKind, name, place));
}

void missingPosition(const QString& itemKind, int position, const QString& place, int count)
{
    throw lns::Error(lns::errors::NotFound,
                     QStringLiteral("No %1 at position %2 %3 (it has %4; positions count from 1)")
                         .arg(itemKind)
                         .arg(position)
                         .arg(place)
                         .arg(count));
}

void missingIndex(const QString& itemKind, int index, const QString& place)
{
    throw lns::Error(lns::errors::NotFound,
                     QStringLiteral("No %1 with index %2 %3").arg(itemKind).arg(index).arg(place));
}

} // namespace lnssim::collection_errors
