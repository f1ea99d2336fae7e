#pragma once

#include <QString>

namespace lnssim {

class PlatformAdmin;

// The network "Demo": subsystems F1 ("Building/Floor 1") and F2 ("Building/Floor 2") with ZEP31
// units in every state the plug-in distinguishes and one device of another program ID. Built
// afresh each time: an existing "Demo" is removed first, with its values and faults.
class DemoNetwork final
{
public:
    DemoNetwork(PlatformAdmin& admin, const QString& lonWorksHome) : m_admin(admin), m_home(lonWorksHome) {}

    void build();

private:
    PlatformAdmin& m_admin;
    QString m_home;
};

} // namespace lnssim
