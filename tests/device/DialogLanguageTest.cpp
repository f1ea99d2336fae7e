#include "device/ui/MainWindow.h"
#include "host/RegistryKeys.h"
#include "support/DemoSession.h"

#include <gtest/gtest.h>

namespace {

// Qt's own dialogs speak the language the registry names at the window's load and, read afresh,
// at every device command: a registration in between switches them from the next device on.
TEST(DialogLanguageTest, FollowsTheRegisteredLanguageFromDeviceToDevice)
{
    DemoSession demo{QStringLiteral("german")};
    MainWindow window(demo.context);
    EXPECT_EQ(demo.ui.language(), QStringLiteral("german")) << "already for the first device's boxes";

    struct Step
    {
        const char* registered;
        const char* device;
    };
    for (const Step step : {Step{"english", "F1/ROU_1"}, Step{"german", "F1/ROU_2"}, Step{"", "F1/ROU_1"}}) {
        demo.registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                                 registry_keys::LanguageValue, QString::fromLatin1(step.registered));
        demo.open(window, QString::fromLatin1(step.device));
        EXPECT_EQ(demo.ui.language(), QString::fromLatin1(step.registered)) << step.device;
    }
}

} // namespace
