#pragma once

#include "lns/PlatformAdmin.h"
#include "support/TempLonWorksHome.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

struct CtlRun
{
    int code = -1;
    QString out;
    QString err;
};

QByteArray contents(const QString& path);

// The demo network in a private home, driven through the built zep31ctl.
class Zep31CtlTest : public ::testing::Test
{
protected:
    static inline const QString Network = QStringLiteral("Demo");
    static inline const QString ProgramId = QStringLiteral("9FFF3C0A00060417");

    Zep31CtlTest();

public:
    static QString programPath();

protected:
    static QString program() { return programPath(); }
    static CtlRun ctl(const QStringList& arguments);

    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }
    // Fresh devices of ROU_1's program ID in their own subsystem; gives the program ID.
    QString addDevices(int count);
    QString get(const QString& device, const QString& point, std::optional<int> element = std::nullopt) const;

    TempLonWorksHome home;
    lnssim::PlatformAdmin admin{home.path()};
};
