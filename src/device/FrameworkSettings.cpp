#include "device/FrameworkSettings.h"

#include "host/RegistryKeys.h"

#include <stdexcept>

namespace {

const QString German = QStringLiteral("german");
const QString English = QStringLiteral("english");

} // namespace

QString FrameworkSettings::Variant::programId() const
{
    return programIdPrefix + QStringLiteral("%1").arg(modelNumber, 2, 16, QLatin1Char('0')).toUpper();
}

const FrameworkSettings::Variant& FrameworkSettings::variant(int selector)
{
    static const std::array<Variant, 2> variants{{
        {QStringLiteral("9FFF3C0A000604"), 15, QStringLiteral("Korvandel zep31_05"),
         QStringLiteral("zep31\\zep31_05.xif")},
        {QStringLiteral("9FFF3C0A000604"), 23, QStringLiteral("Korvandel zep31_06"),
         QStringLiteral("zep31\\zep31_06.xif")},
    }};
    if (selector < 0 || selector >= static_cast<int>(variants.size()))
        throw std::out_of_range("model variant selector is not 0 or 1");
    return variants[static_cast<std::size_t>(selector)];
}

const QStringList& FrameworkSettings::acceptedProgramIds()
{
    static const QStringList ids{QStringLiteral("9FFF3C0A0006040F"), QStringLiteral("9FFF3C0A00060414"),
                                 QStringLiteral("9FFF3C0A00060417")};
    return ids;
}

bool FrameworkSettings::isAccepted(const QString& programId)
{
    return acceptedProgramIds().contains(programId);
}

QString FrameworkSettings::thirdProgramId()
{
    return variant(0).programIdPrefix + QStringLiteral("14");
}

void FrameworkSettings::refreshIfStale(const CRegistry& registry)
{
    m_languageReadThisCall = false;
    if (!settingsStale)
        return;
    language = registry.MachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue);
    lonWorksPath = registry.MachineSetting(registry_keys::LonWorksKey, registry_keys::LonWorksPathValue);
    decimalSeparator = registry.Werte(registry_keys::InternationalKey, registry_keys::DecimalValue);
    if (decimalSeparator.isEmpty())
        decimalSeparator = QStringLiteral(",");
    settingsStale = false;
    m_languageReadThisCall = true;
}

void FrameworkSettings::selectVariant(int selector)
{
    if (selector != 0 && selector != 1)
        return;
    const Variant& chosen = variant(selector);
    programIdPrefix = chosen.programIdPrefix;
    firstVariantByte = chosen.modelNumber;
    lastVariantByte = chosen.modelNumber;
    templateName[static_cast<std::size_t>(chosen.modelNumber)] = chosen.templateName;
    xifFile[static_cast<std::size_t>(chosen.modelNumber)] = chosen.xifFile;
}

bool FrameworkSettings::applyProgramId(const QString& programId)
{
    // The language counts only for the round that read it; a later round without a re-read
    // leaves the document names as they are.
    const bool languageFresh = m_languageReadThisCall;
    m_languageReadThisCall = false;
    if (!isAccepted(programId))
        return false;
    modelName = QStringLiteral("ZEP31");
    if (languageFresh && language == German) {
        docFile = QStringLiteral("\\Dokumentation\\zep31_06.pdf");
        readmeFile = QStringLiteral("\\readme_ger.txt");
    } else if (languageFresh && language == English) {
        docFile = QStringLiteral("\\Dokumentation\\zep31_06_eng.pdf");
        readmeFile = QStringLiteral("\\readme_eng.txt");
    }
    return true;
}
