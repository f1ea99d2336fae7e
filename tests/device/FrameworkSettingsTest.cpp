#include "device/FrameworkSettings.h"

#include "host/LonWorksHome.h"
#include "host/RegistryKeys.h"
#include "registry/SqliteRegistryStore.h"
#include "support/TempLonWorksHome.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Hive = RegistryStore::Hive;

const QString ServedId = QStringLiteral("9FFF3C0A00060417");

class FrameworkSettingsTest : public ::testing::Test
{
protected:
    void setLanguage(const QString& language)
    {
        ASSERT_TRUE(store.writeValue(Hive::LocalMachine, registry_keys::PlugInKey,
                                     registry_keys::LanguageValue, language));
    }

    // One UpdateFramework round as far as the settings go.
    bool round(const QString& programId)
    {
        settings.refreshIfStale(registry);
        return settings.applyProgramId(programId);
    }

    TempLonWorksHome home;
    SqliteRegistryStore store{lonworks_home::registryFile()};
    CRegistry registry{store};
    FrameworkSettings settings;
};

TEST_F(FrameworkSettingsTest, ReadsTheSettingsOnceWhenStale)
{
    setLanguage(QStringLiteral("german"));
    ASSERT_TRUE(store.writeValue(Hive::LocalMachine, registry_keys::LonWorksKey,
                                 registry_keys::LonWorksPathValue, QStringLiteral("/opt/lonworks")));
    ASSERT_TRUE(store.writeValue(Hive::CurrentUser, registry_keys::InternationalKey,
                                 registry_keys::DecimalValue, QStringLiteral(".")));
    ASSERT_TRUE(settings.settingsStale);
    settings.refreshIfStale(registry);
    EXPECT_FALSE(settings.settingsStale);
    EXPECT_EQ(settings.language, QStringLiteral("german"));
    EXPECT_EQ(settings.lonWorksPath, QStringLiteral("/opt/lonworks"));
    EXPECT_EQ(settings.decimalSeparator, QStringLiteral("."));

    ASSERT_TRUE(store.writeValue(Hive::CurrentUser, registry_keys::InternationalKey,
                                 registry_keys::DecimalValue, QStringLiteral(";")));
    settings.refreshIfStale(registry);
    EXPECT_EQ(settings.decimalSeparator, QStringLiteral("."));
    settings.settingsStale = true;
    settings.refreshIfStale(registry);
    EXPECT_EQ(settings.decimalSeparator, QStringLiteral(";"));
}

TEST_F(FrameworkSettingsTest, MissingValuesReadEmptyAndTheSeparatorFallsBack)
{
    settings.decimalSeparator = QStringLiteral(".");
    settings.refreshIfStale(registry);
    EXPECT_EQ(settings.decimalSeparator, QStringLiteral(","));
    EXPECT_TRUE(settings.language.isEmpty());
    EXPECT_TRUE(settings.lonWorksPath.isEmpty());
}

TEST_F(FrameworkSettingsTest, DocumentNamesFollowTheLanguageReadInTheSameRound)
{
    setLanguage(QStringLiteral("german"));
    ASSERT_TRUE(round(ServedId));
    EXPECT_EQ(settings.modelName, QStringLiteral("ZEP31"));
    EXPECT_EQ(settings.docFile, QStringLiteral("\\Dokumentation\\zep31_06.pdf"));
    EXPECT_EQ(settings.readmeFile, QStringLiteral("\\readme_ger.txt"));

    // Not stale: the language is not read, the names stay although the registry changed.
    setLanguage(QStringLiteral("english"));
    ASSERT_TRUE(round(ServedId));
    EXPECT_EQ(settings.docFile, QStringLiteral("\\Dokumentation\\zep31_06.pdf"));

    // Only the exact words count.
    setLanguage(QStringLiteral("English"));
    settings.settingsStale = true;
    ASSERT_TRUE(round(ServedId));
    EXPECT_EQ(settings.readmeFile, QStringLiteral("\\readme_ger.txt"));

    setLanguage(QStringLiteral("english"));
    settings.settingsStale = true;
    ASSERT_TRUE(round(ServedId));
    EXPECT_EQ(settings.docFile, QStringLiteral("\\Dokumentation\\zep31_06_eng.pdf"));
    EXPECT_EQ(settings.readmeFile, QStringLiteral("\\readme_eng.txt"));
}

TEST_F(FrameworkSettingsTest, UnservedDeviceChangesNothingAndUsesUpTheRound)
{
    setLanguage(QStringLiteral("german"));
    EXPECT_FALSE(round(QStringLiteral("9FFF3C0A00060418")));
    EXPECT_TRUE(settings.modelName.isEmpty());
    EXPECT_TRUE(settings.docFile.isEmpty());
    EXPECT_FALSE(settings.applyProgramId(QStringLiteral("9fff3c0a00060417")));

    // The next round reads nothing, so the language read for the unserved device is not applied.
    ASSERT_TRUE(round(ServedId));
    EXPECT_EQ(settings.modelName, QStringLiteral("ZEP31"));
    EXPECT_TRUE(settings.docFile.isEmpty());
}

TEST_F(FrameworkSettingsTest, ThreeProgramIdsAreServed)
{
    EXPECT_EQ(FrameworkSettings::acceptedProgramIds(),
              (QStringList{QStringLiteral("9FFF3C0A0006040F"), QStringLiteral("9FFF3C0A00060414"),
                           QStringLiteral("9FFF3C0A00060417")}));
    EXPECT_TRUE(FrameworkSettings::isAccepted(FrameworkSettings::thirdProgramId()));
    EXPECT_EQ(FrameworkSettings::thirdProgramId(), QStringLiteral("9FFF3C0A00060414"));
    EXPECT_FALSE(FrameworkSettings::isAccepted(QString()));
    EXPECT_TRUE(round(QStringLiteral("9FFF3C0A00060414")));
}

TEST_F(FrameworkSettingsTest, ModelVariantsForRegistration)
{
    EXPECT_EQ(FrameworkSettings::variant(0).programId(), QStringLiteral("9FFF3C0A0006040F"));
    EXPECT_EQ(FrameworkSettings::variant(1).programId(), QStringLiteral("9FFF3C0A00060417"));
    EXPECT_THROW(FrameworkSettings::variant(2), std::out_of_range);
    FrameworkSettings::Variant small{QStringLiteral("AB"), 5, QString(), QString()};
    EXPECT_EQ(small.programId(), QStringLiteral("AB05"));

    settings.selectVariant(0);
    EXPECT_EQ(settings.programIdPrefix, QStringLiteral("9FFF3C0A000604"));
    EXPECT_EQ(settings.firstVariantByte, 15);
    EXPECT_EQ(settings.lastVariantByte, 15);
    EXPECT_EQ(settings.templateName[15], QStringLiteral("Korvandel zep31_05"));
    EXPECT_EQ(settings.xifFile[15], QStringLiteral("zep31\\zep31_05.xif"));

    settings.selectVariant(1);
    settings.selectVariant(100);
    EXPECT_EQ(settings.firstVariantByte, 23);
    EXPECT_EQ(settings.templateName[23], QStringLiteral("Korvandel zep31_06"));
    EXPECT_EQ(settings.xifFile[23], QStringLiteral("zep31\\zep31_06.xif"));
    EXPECT_EQ(settings.templateName[15], QStringLiteral("Korvandel zep31_05"));
}

} // namespace
