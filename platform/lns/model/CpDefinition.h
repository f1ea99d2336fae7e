#pragma once

#include "lns/model/CpOwnerKind.h"
#include "lns/values/ValueCodec.h"

#include <QString>
#include <QStringList>

namespace lnssim {

// A configuration property of a device interface. The owner index is the block position or
// the NV index (unused for the interface itself). One default per element, in stored form.
struct CpDefinition
{
    CpOwnerKind ownerKind = CpOwnerKind::Interface;
    int ownerIndex = 0;
    int scope = 0;
    int typeIndex = 0;
    QString name;
    ValueType type = ValueType::Count;
    QStringList defaults;

    int elements() const { return static_cast<int>(defaults.size()); }
};

} // namespace lnssim
