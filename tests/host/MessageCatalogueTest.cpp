#include "host/MessageCatalogue.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "host/RegistryKeys.h"
#include "support/TempLonWorksHome.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// An in-memory registry: enough for the catalogue, which only reads one machine value.
class MemoryRegistryStore final : public RegistryStore
{
public:
    QString lastError() const override { return {}; }
    bool keyExists(Hive hive, const QString& key) const override { return m_keys.contains(id(hive, key)); }
    bool createKey(Hive hive, const QString& key) override
    {
        m_keys[id(hive, key)];
        return true;
    }
    std::optional<QString> readValue(Hive hive, const QString& key, const QString& name) const override
    {
        const auto values = m_keys.constFind(id(hive, key));
        if (values == m_keys.cend() || !values->contains(name.toLower()))
            return std::nullopt;
        return values->value(name.toLower());
    }
    bool writeValue(Hive hive, const QString& key, const QString& name, const QString& value) override
    {
        m_keys[id(hive, key)][name.toLower()] = value;
        return true;
    }
    bool deleteValue(Hive hive, const QString& key, const QString& name) override
    {
        return m_keys[id(hive, key)].remove(name.toLower()) > 0;
    }
    bool deleteKey(Hive hive, const QString& key) override { return m_keys.remove(id(hive, key)) > 0; }
    QStringList subkeys(Hive, const QString&) const override { return {}; }
    QStringList valueNames(Hive hive, const QString& key) const override
    {
        return m_keys.value(id(hive, key)).keys();
    }

private:
    static QString id(Hive hive, const QString& key)
    {
        return QString::number(static_cast<int>(hive)) + QLatin1Char('|') + key.toLower();
    }

    QMap<QString, QMap<QString, QString>> m_keys;
};

class MessageCatalogueTest : public ::testing::Test
{
protected:
    void setLanguage(const QString& language)
    {
        m_store.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                           registry_keys::LanguageValue, language);
    }

    template <std::size_t N> static bool allEmpty(const TextArray<N>& texts)
    {
        for (int i = 0; i < texts.size(); ++i) {
            if (!texts[i].isEmpty())
                return false;
        }
        return true;
    }

    bool catalogueEmpty() const
    {
        return allEmpty(m_catalogue.RegTexts) && allEmpty(m_catalogue.ApiTexts) &&
               allEmpty(m_catalogue.MainTexts) && allEmpty(m_catalogue.NviHelp) &&
               allEmpty(m_catalogue.NvoHelp) && allEmpty(m_catalogue.CpHelp);
    }

    const ControlText* find(const QList<ControlText>& texts, const QString& window, const QString& control,
                            ControlText::Kind kind = ControlText::Kind::Caption) const
    {
        for (const ControlText& text : texts) {
            if (text.window == window && text.control == control && text.kind == kind)
                return &text;
        }
        return nullptr;
    }

    QString captionOf(const QList<ControlText>& texts, const QString& window, const QString& control) const
    {
        const ControlText* text = find(texts, window, control);
        return text ? text->text : QStringLiteral("<missing>");
    }

    TempLonWorksHome m_home;
    MemoryRegistryStore m_store;
    MessageCatalogue m_catalogue{m_store};
};

struct HelpKey
{
    const char* typeName;
    int typeIndex;
    QString name;
};

std::vector<HelpKey> nviKeys()
{
    std::vector<HelpKey> keys;
    for (int k = 1; k <= 8; ++k)
        keys.push_back({"SNVT_switch", 95, QStringLiteral("nviSwitchFb_%1").arg(k)});
    const std::vector<HelpKey> rest{
        {"SNVT_scene", 115, u"nviScSceneFb"_s},
        {"SNVT_temp_p", 105, u"nviSpaceTemp"_s},
        {"SNVT_temp_p", 105, u"nviTempSetpoint"_s},
        {"SNVT_switch", 95, u"nviEnergyHoldOff"_s},
        {"SNVT_hvac_status", 112, u"nviUnitStatus"_s},
        {"SNVT_switch", 95, u"nviUserLockout_g"_s},
        {"SNVT_switch", 95, u"nviUserLockout_l"_s},
        {"SNVT_switch", 95, u"nviReset_ManCmd"_s},
        {"SNVT_state", 83, u"nviCmd_all"_s},
        {"SNVT_occupancy", 109, u"nviOccManCmd"_s},
        {"SNVT_occupancy", 109, u"nviOccSensor"_s},
        {"SNVT_temp_p", 105, u"nviTempOutdoor"_s},
        {"SNVT_lev_percent", 81, u"nviRH_Indoor"_s},
        {"SNVT_lev_percent", 81, u"nviRH_Outdoor"_s},
        {"SNVT_switch", 95, u"nviAlarm"_s},
        {"SNVT_switch", 95, u"nviFanSpeedCmd"_s},
        {"SNVT_temp_p", 105, u"nviSetptOffset"_s},
        {"SNVT_time_stamp", 84, u"nviTimeSet"_s},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

std::vector<HelpKey> nvoKeys()
{
    std::vector<HelpKey> keys;
    for (int k = 1; k <= 8; ++k) {
        keys.push_back({"SNVT_switch", 95, QStringLiteral("nvoSwitch_%1").arg(k)});
        keys.push_back({"SNVT_setting", 117, QStringLiteral("nvoSetting_%1").arg(k)});
    }
    const std::vector<HelpKey> rest{
        {"SNVT_occupancy", 109, u"nvoOsOccup"_s},     {"SNVT_scene", 115, u"nvoScScene"_s},
        {"SNVT_temp_p", 105, u"nvoSpaceTemp"_s},      {"SNVT_temp_p", 105, u"nvoSetptEffect"_s},
        {"SNVT_temp_p", 105, u"nvoSetptOffset"_s},    {"SNVT_switch", 95, u"nvoFanSpeed"_s},
        {"SNVT_occupancy", 109, u"nvoEffectOccup"_s},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

// For CPs the key's type is the value type and the name is the property.
std::vector<HelpKey> cpKeys()
{
    std::vector<HelpKey> keys{
        {"UNVT_str_hex4", 45, u"UCPTtimeConfig"_s},   {"SNVT_count", 42, u"UCPTdeviceType"_s},
        {"UNVT_str_hex4", 44, u"UCPTdiConfig"_s},     {"SNVT_state", 46, u"UCPTdisplConfig"_s},
        {"SNVT_time_sec", 16, u"UCPTdisplayTime"_s},  {"SNVT_lev_cont", 48, u"UCPTbacklightMin"_s},
        {"SNVT_lev_cont", 48, u"UCPTbacklightMax"_s},
    };
    for (int group = 0; group < 8; ++group) {
        const std::vector<HelpKey> switchKeys{
            {"SNVT_lev_cont", 93, u"SCPTmaxOut"_s},      {"SNVT_time_sec", 49, u"SCPTmaxSendTime"_s},
            {"SNVT_time_sec", 52, u"SCPTminSendTime"_s}, {"SNVT_lev_cont", 92, u"SCPTstepValue"_s},
            {"SNVT_count", 14, u"UCPTreverseDelay"_s},   {"SNVT_time_sec", 45, u"SCPTdriveTime"_s},
        };
        keys.insert(keys.end(), switchKeys.begin(), switchKeys.end());
    }
    const std::vector<HelpKey> rest{
        {"SNVT_time_sec", 49, u"SCPTmaxSendTime"_s}, {"SNVT_time_min", 34, u"SCPTbypassTime"_s},
        {"SNVT_time_sec", 52, u"SCPTminSendTime"_s}, {"SNVT_temp_p", 64, u"SCPTminDeltaTemp"_s},
        {"SNVT_temp_p", 70, u"SCPToffsetTemp"_s},    {"SNVT_temp_p", 213, u"SCPTsetpoint"_s},
        {"SNVT_temp_p", 12, u"UCPTspOffsetRng"_s},   {"SNVT_temp_p", 9, u"UCPTspEditDelta"_s},
        {"SNVT_count", 13, u"UCPTfanSpdStages"_s},   {"SNVT_time_sec", 49, u"SCPTmaxSendTime"_s},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

const QString crlf = QStringLiteral("\r\n");

} // namespace

TEST_F(MessageCatalogueTest, EnglishFillsEveryArrayInEnglish)
{
    setLanguage(QStringLiteral("english"));
    const MessageCatalogue::WindowTexts texts = m_catalogue.LoadTexts(0);

    EXPECT_EQ(m_catalogue.currentLanguage(), QStringLiteral("english"));
    EXPECT_EQ(m_catalogue.RegTexts[0], QStringLiteral("Opening the Object Server..."));
    EXPECT_EQ(m_catalogue.RegTexts[30], QStringLiteral("create Templates..."));
    EXPECT_EQ(m_catalogue.ApiTexts[10],
              QStringLiteral("Can not modify the minimzed property when invisble. The "
                             "property will be applied the next time the plug-in is "
                             "made visible"));
    EXPECT_EQ(m_catalogue.MainTexts[8], QStringLiteral("Function:"));
    EXPECT_EQ(m_catalogue.MainTexts[23], QStringLiteral("Monitoring On"));
    EXPECT_EQ(m_catalogue.MainTexts[24], QStringLiteral("Monitoring Off"));
    EXPECT_EQ(m_catalogue.MainTexts[82],
              QStringLiteral("2 ON, pressed or nvoFanSpeed.state = -1 / OFF, nvoFanSpeed.state <> -1"));
    EXPECT_TRUE(m_catalogue.NviHelp[0].startsWith(
        QStringLiteral("SNVT Typ: \r\nSNVT_switch, Index 95\r\n(nviSwitchFb_1)\r\n\r\nFunction:\r\n")));
    EXPECT_EQ(
        texts.helpIntro,
        QStringLiteral("\r\n\r\nIf you want some informations about a Networkvariable, then  feel free and "
                       "click in the Textbox.\r\n\r\nThe whole Korvandel Team wish you a lot of fun by using "
                       "this tool,which helps to save your time. "));
    EXPECT_FALSE(texts.controls.isEmpty());
}

TEST_F(MessageCatalogueTest, GermanFillsEveryArrayInGermanWithoutCaptions)
{
    setLanguage(QStringLiteral("german"));
    const MessageCatalogue::WindowTexts texts = m_catalogue.LoadTexts(0);

    EXPECT_EQ(m_catalogue.RegTexts[0], QStringLiteral("Öffne den Objektserver"));
    EXPECT_EQ(m_catalogue.RegTexts[13], QStringLiteral("Remote client kann keine Templates hinzufügen."));
    EXPECT_EQ(m_catalogue.ApiTexts[0], QStringLiteral("Registeriere plug-in . . ."));
    EXPECT_EQ(m_catalogue.MainTexts[8], QStringLiteral("Funktion:"));
    EXPECT_EQ(m_catalogue.MainTexts[23], QStringLiteral("Monitor An"));
    EXPECT_EQ(m_catalogue.MainTexts[66], QStringLiteral("3 Lüftersufe Plus mit Auto"));
    EXPECT_EQ(m_catalogue.MainTexts[76],
              QStringLiteral("1 EIN, wenn Taste gedrückt / wenn Taste nicht gedrückt"));
    EXPECT_TRUE(m_catalogue.CpHelp[0].contains(QStringLiteral("\r\nFunktion:\r\n")));
    EXPECT_EQ(texts.helpIntro,
              QStringLiteral("\r\n\r\nWenn Sie Informationen über eine Netzwerkvariable "
                             "wünschen, dann klicken Sie in das entsprechende Textfeld.\r\n\r\n"
                             "Das Korvandel Team wünscht: viel Spass beim parametrieren!"));
    // The windows keep their German design captions.
    EXPECT_TRUE(texts.controls.isEmpty());
}

TEST_F(MessageCatalogueTest, TextsKeepTheirBlanksAndSlips)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);

    EXPECT_EQ(
        m_catalogue.MainTexts[20],
        QStringLiteral("A director is using this plug-in.  Exiting may cause the director to experience "
                       "errors.  Are you sure that you want to exit?"));
    EXPECT_EQ(m_catalogue.MainTexts[35], QStringLiteral("  repeating..."));
    EXPECT_EQ(m_catalogue.MainTexts[77],
              QStringLiteral("2 ON, pressed or .scene_number = Byte[1] / OFF,  .scene_number <> Byte[1]"));
    EXPECT_EQ(m_catalogue.RegTexts[4], QStringLiteral(" registration as COM server failed"));
    EXPECT_EQ(m_catalogue.RegTexts[10], QStringLiteral(" does not exisit in the Windows registery"));
    EXPECT_EQ(m_catalogue.MainTexts[31],
              QStringLiteral("All not transmited Parameters, could not be trasmit by "
                             "activating 'sync. Devices'. "));
}

TEST_F(MessageCatalogueTest, UnrecognisedLanguageFillsAndAsksForNothing)
{
    for (const QString& language : {QStringLiteral("English"), QStringLiteral(""), QStringLiteral("German"),
                                    QStringLiteral(" english")}) {
        SCOPED_TRACE(language.toStdString());
        setLanguage(language);
        for (int group = 0; group <= 3; ++group) {
            const MessageCatalogue::WindowTexts texts = m_catalogue.LoadTexts(group);
            EXPECT_TRUE(texts.controls.isEmpty());
            EXPECT_TRUE(texts.helpIntro.isEmpty());
        }
        EXPECT_TRUE(catalogueEmpty());
    }
}

TEST_F(MessageCatalogueTest, MissingLanguageValueFillsNothing)
{
    const MessageCatalogue::WindowTexts texts = m_catalogue.LoadTexts(0);
    EXPECT_TRUE(m_catalogue.currentLanguage().isEmpty());
    EXPECT_TRUE(texts.controls.isEmpty());
    EXPECT_TRUE(texts.helpIntro.isEmpty());
    EXPECT_TRUE(catalogueEmpty());
}

TEST_F(MessageCatalogueTest, UnusedRowsStayEmptyAndUsedRowsAreFilledInBothLanguages)
{
    for (const QString& language : {QStringLiteral("english"), QStringLiteral("german")}) {
        SCOPED_TRACE(language.toStdString());
        setLanguage(language);
        m_catalogue.LoadTexts(0);
        EXPECT_TRUE(m_catalogue.ApiTexts[8].isEmpty());
        EXPECT_TRUE(m_catalogue.MainTexts[44].isEmpty());
        EXPECT_TRUE(m_catalogue.MainTexts[45].isEmpty());
        EXPECT_TRUE(m_catalogue.NvoHelp[23].isEmpty());
        EXPECT_TRUE(m_catalogue.CpHelp[65].isEmpty());
        for (int i = 0; i < 31; ++i)
            EXPECT_FALSE(m_catalogue.RegTexts[i].isEmpty()) << "RegTexts " << i;
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(m_catalogue.ApiTexts[i].isEmpty(), i == 8) << "ApiTexts " << i;
        for (int i = 0; i < 83; ++i)
            EXPECT_EQ(m_catalogue.MainTexts[i].isEmpty(), i == 44 || i == 45) << "MainTexts " << i;
    }
}

TEST_F(MessageCatalogueTest, SentencesWithoutTranslationAreTheSameInBothLanguages)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    const QString english7 = m_catalogue.RegTexts[7];
    const QString englishApi9 = m_catalogue.ApiTexts[9];
    setLanguage(QStringLiteral("german"));
    m_catalogue.LoadTexts(0);

    EXPECT_EQ(m_catalogue.RegTexts[7], english7);
    EXPECT_EQ(
        m_catalogue.RegTexts[7],
        QStringLiteral("register the same plug-in on the server so that the DRF can be installed there, "
                       "too. Failure to do so is not an error, but might lead to confusion later"));
    EXPECT_EQ(m_catalogue.ApiTexts[9], englishApi9);
}

TEST_F(MessageCatalogueTest, QuotedHelpRowsAreVerbatim)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    EXPECT_EQ(
        m_catalogue.NviHelp[9],
        QStringLiteral("SNVT Typ: \r\nSNVT_temp_p, Index 105\r\n(nviSpaceTemp)\r\n\r\nFunction:\r\nInput "
                       "variable for connection of an external LON temperature sensor. The external value "
                       "is taken over, if the initialisation value 0x7FFF (=327,67 °C) was changed by a "
                       "NV-Update after reset. As long as the initialisation value is not changed after "
                       "reset, the internal temperature sensor remains active."));
    EXPECT_EQ(
        m_catalogue.NvoHelp[18],
        QStringLiteral("SNVT Typ:\r\nSNVT_temp_p, Index 105\r\n(nvoSpaceTemp)\r\n\r\nFunction:\r\nOutput "
                       "variable for measured temperature value. Measuring range 0 - 50°C, resolution 1/100 "
                       "°C. Data output is made depending on the configuration parameter SCPTmaxSendTime, "
                       "SCPTminDeltaTemp and SCPTminSendTime and approx. 1,5s - 4,0s after reset."));
    EXPECT_EQ(m_catalogue.CpHelp[60],
              QStringLiteral("SCPT Typ:\r\nSCPTsetpoint, Index 213, "
                             "SNVT_temp_p\r\nFunction:\r\nConfiguration parameter for set "
                             "point default (Preset value: 22,00 °C)"));

    setLanguage(QStringLiteral("german"));
    m_catalogue.LoadTexts(0);
    EXPECT_EQ(
        m_catalogue.NviHelp[9],
        QStringLiteral("SNVT Typ: \r\nSNVT_temp_p, Index 105\r\n(nviSpaceTemp)\r\n\r\nFunktion:\r\n"
                       "Eingangsvariable zum Anschluss eines externen LON-Temperaturfühlers. Der ext. Wert "
                       "wird übernommen, wenn der Initialisierungswert 0x7FFF (=327,67 °C) nach Reset durch "
                       "ein NV-Update veraendert wurde. Solange der Initialisierungswert nach Reset nicht "
                       "veraendert wird, bleibt der interne Temperaturfühler aktiv!"));
    EXPECT_EQ(m_catalogue.CpHelp[60],
              QStringLiteral("SCPT Typ:\r\nSCPTsetpoint, Index 213, "
                             "SNVT_temp_p\r\nFunktion:\r\nKonfigurationsparameter zur "
                             "Sollwertvorgabe (Voreingestellter Wert: 22,00 °C)"));
}

TEST_F(MessageCatalogueTest, EveryHelpRowFollowsItsFormatInBothLanguages)
{
    const std::vector<HelpKey> nvi = nviKeys();
    const std::vector<HelpKey> nvo = nvoKeys();
    const std::vector<HelpKey> cp = cpKeys();
    ASSERT_EQ(nvi.size(), 26u);
    ASSERT_EQ(nvo.size(), 23u);
    ASSERT_EQ(cp.size(), 65u);

    for (const QString& language : {QStringLiteral("english"), QStringLiteral("german")}) {
        SCOPED_TRACE(language.toStdString());
        setLanguage(language);
        m_catalogue.LoadTexts(0);
        const QString function = m_catalogue.MainTexts[8];
        const QRegularExpression placeholder(QStringLiteral("%\\d"));

        const auto checkNv = [&](const QString& text, const QString& header, const HelpKey& key) {
            const QStringList lines = text.split(crlf);
            ASSERT_EQ(lines.size(), 6) << text.toStdString();
            EXPECT_EQ(lines[0], header);
            EXPECT_EQ(lines[1],
                      QStringLiteral("%1, Index %2").arg(QString::fromUtf8(key.typeName)).arg(key.typeIndex));
            EXPECT_EQ(lines[2], QLatin1Char('(') + key.name + QLatin1Char(')'));
            EXPECT_TRUE(lines[3].isEmpty());
            EXPECT_EQ(lines[4], function);
            EXPECT_GT(lines[5].size(), 30) << text.toStdString();
            EXPECT_FALSE(lines[5].contains(placeholder))
                << "unreplaced placeholder in " << text.toStdString();
        };
        for (std::size_t i = 0; i < nvi.size(); ++i) {
            SCOPED_TRACE("NviHelp " + std::to_string(i));
            checkNv(m_catalogue.NviHelp[static_cast<int>(i)], QStringLiteral("SNVT Typ: "), nvi[i]);
        }
        for (std::size_t i = 0; i < nvo.size(); ++i) {
            SCOPED_TRACE("NvoHelp " + std::to_string(i));
            checkNv(m_catalogue.NvoHelp[static_cast<int>(i)], QStringLiteral("SNVT Typ:"), nvo[i]);
        }
        for (std::size_t i = 0; i < cp.size(); ++i) {
            SCOPED_TRACE("CpHelp " + std::to_string(i));
            const QString text = m_catalogue.CpHelp[static_cast<int>(i)];
            const QStringList lines = text.split(crlf);
            ASSERT_EQ(lines.size(), 4) << text.toStdString();
            EXPECT_EQ(lines[0], cp[i].name.left(4) + QStringLiteral(" Typ:"));
            EXPECT_EQ(lines[1], QStringLiteral("%1, Index %2, %3")
                                    .arg(cp[i].name)
                                    .arg(cp[i].typeIndex)
                                    .arg(QString::fromUtf8(cp[i].typeName)));
            EXPECT_EQ(lines[2], function);
            EXPECT_GT(lines[3].size(), 30) << text.toStdString();
            EXPECT_FALSE(lines[3].contains(placeholder)) << text.toStdString();
        }
    }
}

// The help names each point as the catalogue does: its name, its value or NV type and the type
// index of its identifier. UCPTbacklightMax is the one exception, and a given one: its help
// states index 48 (that of UCPTbacklightMin) although the device knows it as C:3:47.
TEST_F(MessageCatalogueTest, HelpAgreesWithThePointCatalogue)
{
    using namespace point_catalogue;
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    const auto line = [](const QString& text, int number) {
        return text.split(QStringLiteral("\r\n")).value(number);
    };
    for (int position = 0; position < cp::Count; ++position) {
        SCOPED_TRACE("CP " + std::to_string(position));
        const CpDefinition& definition = cpDefinition(position);
        const QString id = QString::fromLatin1(definition.id);
        const int typeIndex = position == cp::BacklightMax ? 48 : id.section(QLatin1Char(':'), -1).toInt();
        EXPECT_EQ(line(m_catalogue.CpHelp[position], 1), QStringLiteral("%1, Index %2, %3")
                                                             .arg(QString::fromLatin1(definition.name))
                                                             .arg(typeIndex)
                                                             .arg(QString::fromLatin1(definition.valueType)));
    }
    const auto checkNv = [&](const QString& text, const NvDefinition& definition) {
        EXPECT_EQ(line(text, 1), QStringLiteral("%1, Index %2")
                                     .arg(QString::fromLatin1(definition.type))
                                     .arg(definition.typeIndex));
        EXPECT_EQ(line(text, 2), QStringLiteral("(%1)").arg(QString::fromLatin1(definition.name)));
    };
    for (int position = 0; position < nvi::Count; ++position) {
        SCOPED_TRACE("NV input " + std::to_string(position));
        checkNv(m_catalogue.NviHelp[position], nviDefinition(position));
    }
    for (int position = 0; position < nvo::Count; ++position) {
        SCOPED_TRACE("NV output " + std::to_string(position));
        checkNv(m_catalogue.NvoHelp[position], nvoDefinition(position));
    }
}

TEST_F(MessageCatalogueTest, SwitchObjectRowsNameTheirOwnObject)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    EXPECT_TRUE(m_catalogue.NviHelp[7].contains(QStringLiteral("switch object 7")));
    EXPECT_TRUE(m_catalogue.NvoHelp[14].contains(QStringLiteral("switch object 7")));
    EXPECT_TRUE(m_catalogue.NvoHelp[15].contains(QStringLiteral("switch object 7")));
    // Position 8 + 6g is SCPTmaxSendTime of Switch[g]; its outputs carry the number g + 1.
    EXPECT_TRUE(m_catalogue.CpHelp[8 + 6 * 3].contains(QStringLiteral("switch object 3")));
    EXPECT_TRUE(m_catalogue.CpHelp[8 + 6 * 3].contains(QStringLiteral("nvoSwitch_4")));
    EXPECT_NE(m_catalogue.CpHelp[8], m_catalogue.CpHelp[14]);
}

TEST_F(MessageCatalogueTest, MainWindowCaptionsInEnglish)
{
    setLanguage(QStringLiteral("english"));
    const QList<ControlText> controls = m_catalogue.LoadTexts(0).controls;
    const QString main = QStringLiteral("fMain");

    EXPECT_EQ(captionOf(controls, QStringLiteral("fStatus"), {}), QStringLiteral("State"));
    const ControlText* weekday =
        find(controls, main, QStringLiteral("cmb_time(0)"), ControlText::Kind::Items);
    ASSERT_NE(weekday, nullptr);
    EXPECT_EQ(weekday->items, QStringList({u"faded out"_s, u"English"_s, u"German"_s}));
    const ControlText* time = find(controls, main, QStringLiteral("cmb_time(2)"), ControlText::Kind::Items);
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->items, QStringList({u"faded out"_s, u"with seconds"_s, u"without seconds"_s}));
    const ControlText* hours = find(controls, main, QStringLiteral("cmb_time(3)"), ControlText::Kind::Items);
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(hours->items, QStringList({u"24-hours-mode"_s, u"12-hours-mode"_s}));

    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNc(18)")), QStringLiteral("Setpoint [°C]:"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNc(23)")), QStringLiteral("Fan stages"));
    EXPECT_EQ(find(controls, main, QStringLiteral("lblNc(21)")), nullptr);
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblSection(3)")), QStringLiteral("Date / Time "));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblSection(6)")),
              QStringLiteral("Background illumination"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lbldisplay(4)")),
              QStringLiteral("Unit temperature      °C      or   °F      :"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lbldisplay(13)")),
              QStringLiteral("Use effective setpoint for nviTempSetpoint"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNctime(4)")),
              QStringLiteral("Update interval [s]:"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNctime(11)")), QStringLiteral("Time"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNcback(3)")), QStringLiteral("Label field"));
    EXPECT_EQ(find(controls, main, QStringLiteral("lblNcback(2)")), nullptr);
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblNvi(21)")), QStringLiteral("Symbol window"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblButtonHeading(1)")),
              QStringLiteral("Button Function"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblMenucheck")),
              QStringLiteral("Menu buttons available "));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("cmdApply")), QStringLiteral("A&pply"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("cmdGerAuswahl")),
              QStringLiteral("&Device selection"));
    const ControlText* tip =
        find(controls, main, QStringLiteral("cmdGerAuswahl"), ControlText::Kind::ToolTip);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text, QStringLiteral("shows a list with all devices of the same program-id "));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("mnuOptionen")), QStringLiteral("&File"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("mnuBeschreibung")),
              QStringLiteral("Device description"));
    EXPECT_EQ(captionOf(controls, main, QStringLiteral("lblPolling")), QStringLiteral("Pollinterval (s):"));

    // Each control is addressed once per kind, so applying the list is unambiguous.
    QSet<QString> seen;
    for (const ControlText& text : controls) {
        const QString id = text.window + QLatin1Char('/') + text.control + QLatin1Char('/') +
                           QString::number(static_cast<int>(text.kind));
        EXPECT_FALSE(seen.contains(id)) << id.toStdString();
        seen.insert(id);
    }
}

TEST_F(MessageCatalogueTest, OtherWindowsGetEnglishCaptionsOnly)
{
    setLanguage(QStringLiteral("english"));

    const MessageCatalogue::WindowTexts selection = m_catalogue.LoadTexts(1);
    const QString window = QStringLiteral("fGeraeteauswahl");
    EXPECT_EQ(selection.controls.size(), 5);
    EXPECT_EQ(captionOf(selection.controls, window, {}), QStringLiteral("select Devices..."));
    EXPECT_EQ(captionOf(selection.controls, window, QStringLiteral("cmdFertig")), QStringLiteral("Done"));
    EXPECT_EQ(captionOf(selection.controls, window, QStringLiteral("cmdreset")),
              QStringLiteral("Reset selection"));
    EXPECT_EQ(captionOf(selection.controls, window, QStringLiteral("chksynchronisiern")),
              QStringLiteral("sync. Devices"));
    const ControlText* tip =
        find(selection.controls, window, QStringLiteral("chksynchronisiern"), ControlText::Kind::ToolTip);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text,
              QStringLiteral(
                  "By activating this option, 'all' parameters will be transmit to the selcted devices."));
    EXPECT_TRUE(selection.helpIntro.isEmpty());

    const QList<ControlText> about = m_catalogue.LoadTexts(2).controls;
    ASSERT_EQ(about.size(), 2);
    ASSERT_NE(find(about, QStringLiteral("fAbout"), QStringLiteral("lblVersion")), nullptr);
    ASSERT_NE(find(about, QStringLiteral("fAbout"), QStringLiteral("lbl_Software_Hinweis")), nullptr);
    EXPECT_TRUE(about[0].text.isEmpty());
    EXPECT_TRUE(about[1].text.isEmpty());

    const QList<ControlText> print = m_catalogue.LoadTexts(3).controls;
    EXPECT_EQ(print.size(), 3);
    EXPECT_EQ(captionOf(print, QStringLiteral("fDruckmenue"), {}), QStringLiteral("Print properties"));
    EXPECT_EQ(captionOf(print, QStringLiteral("fDruckmenue"), QStringLiteral("cmdDruck")),
              QStringLiteral("Printmenu"));
    EXPECT_EQ(captionOf(print, QStringLiteral("fDruckmenue"), QStringLiteral("lblDruckauswahl")),
              QStringLiteral("Print properties"));

    EXPECT_TRUE(m_catalogue.LoadTexts(4).controls.isEmpty());
    // Only the main window's group fills the arrays.
    EXPECT_TRUE(catalogueEmpty());
}

TEST_F(MessageCatalogueTest, GermanAsksNothingOfTheOtherWindows)
{
    setLanguage(QStringLiteral("german"));
    for (int group = 1; group <= 3; ++group) {
        const MessageCatalogue::WindowTexts texts = m_catalogue.LoadTexts(group);
        EXPECT_TRUE(texts.controls.isEmpty()) << group;
        EXPECT_TRUE(texts.helpIntro.isEmpty()) << group;
    }
    EXPECT_TRUE(catalogueEmpty());
}

TEST_F(MessageCatalogueTest, LanguageIsReadAtEveryCall)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    EXPECT_EQ(m_catalogue.MainTexts[13], QStringLiteral("German"));

    setLanguage(QStringLiteral("german"));
    EXPECT_TRUE(m_catalogue.LoadTexts(1).controls.isEmpty());
    EXPECT_EQ(m_catalogue.currentLanguage(), QStringLiteral("german"));
    m_catalogue.LoadTexts(0);
    EXPECT_EQ(m_catalogue.MainTexts[13], QStringLiteral("Deutsch"));
    EXPECT_TRUE(m_catalogue.NvoHelp[0].contains(QStringLiteral("Funktion:")));

    // An unrecognised language leaves what an earlier call filled.
    setLanguage(QStringLiteral("french"));
    EXPECT_TRUE(m_catalogue.LoadTexts(0).helpIntro.isEmpty());
    EXPECT_EQ(m_catalogue.currentLanguage(), QStringLiteral("french"));
    EXPECT_EQ(m_catalogue.MainTexts[13], QStringLiteral("Deutsch"));
}

TEST_F(MessageCatalogueTest, IndexBeyondAnArrayIsABoundsError)
{
    setLanguage(QStringLiteral("english"));
    m_catalogue.LoadTexts(0);
    const MessageCatalogue& catalogue = m_catalogue;
    EXPECT_THROW(catalogue.RegTexts[31], std::out_of_range);
    EXPECT_THROW(catalogue.ApiTexts[11], std::out_of_range);
    EXPECT_THROW(catalogue.MainTexts[83], std::out_of_range);
    EXPECT_THROW(catalogue.NviHelp[26], std::out_of_range);
    EXPECT_THROW(catalogue.NvoHelp[24], std::out_of_range);
    EXPECT_THROW(catalogue.CpHelp[66], std::out_of_range);
    EXPECT_THROW(catalogue.CpHelp[-1], std::out_of_range);
    EXPECT_NO_THROW(catalogue.NvoHelp[23]);
    EXPECT_NO_THROW(catalogue.CpHelp[65]);
}
