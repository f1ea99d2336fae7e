#pragma once

#include "files/ParameterSet.h"

#include <QList>
#include <QString>

// Where a device's CP values have moved away from a saved parameter set: each plain CP whose
// value differs and each element of an array CP that differs. Values are compared as the window
// loads them, so a set saved with the other decimal separator does not differ for that alone.
struct ParameterDrift
{
    struct Difference
    {
        int position = 0;
        // The element of an array CP; -1 for a plain CP.
        int element = -1;
        QString saved;
        QString current;
    };

    // A value the saved set does not hold is no difference: nothing could put it back.
    static QList<Difference> between(const ParameterSet& saved, const ParameterSet& current,
                                     const QString& decimalSeparator, int cpCount);
};
