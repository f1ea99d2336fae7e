#pragma once

#include <QString>

struct Version
{
    int major = 0;
    int minor = 0;
};

// "1.4" gives 1 and 4; "1.10 beta" gives 1 and 10; unparsable parts read as 0.
Version ParseVersion(const QString& text);
// True when a is newer than b (greater major, or equal major and greater minor).
bool isNewer(const Version& a, const Version& b);
