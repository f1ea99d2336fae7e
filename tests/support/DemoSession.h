#pragma once

#include "lns/PlatformAdmin.h"
#include "support/PlugInTestContext.h"

#include <optional>

class MainWindow;

// The demo network of a plug-in test context, opened as a director would open it, so that a
// main window can be shown on its devices.
class DemoSession final : public PlugInTestContext
{
public:
    static inline const QString Network = QStringLiteral("Demo");

    // language: the plug-in's "Language" registry value; empty leaves it unset. decimalSeparator:
    // the user's "sDecimal"; empty keeps the one the platform was set up with.
    explicit DemoSession(const QString& language = QStringLiteral("english"),
                         const QString& decimalSeparator = QString());
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // "F1/ROU_1" and the like.
    std::shared_ptr<lns::AppDevice> device(const QString& path) const;
    // Hands the device to the window as a director's device command does.
    void open(MainWindow& window, const QString& path);
    QString value(const QString& path, const QString& point, std::optional<int> element = std::nullopt) const;

    lnssim::PlatformAdmin admin{home.path()};
};
