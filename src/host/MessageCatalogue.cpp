#include "host/MessageCatalogue.h"

#include "host/CRegistry.h"
#include "host/RegistryKeys.h"
#include "host/catalogue/CatalogueTables.h"

MessageCatalogue::MessageCatalogue(RegistryStore& store) : m_store(store) {}

MessageCatalogue::WindowTexts MessageCatalogue::LoadTexts(int group)
{
    // Read at every call: a registration in this process may have changed the language.
    m_language = CRegistry(m_store).MachineSetting(registry_keys::PlugInKey, registry_keys::LanguageValue);

    // Only these exact spellings count; anything else leaves the arrays and the German window
    // captions as they are.
    catalogue::Language language;
    if (m_language == QLatin1String("english"))
        language = catalogue::Language::English;
    else if (m_language == QLatin1String("german") && group == 0)
        language = catalogue::Language::German;
    else
        return {};

    WindowTexts texts;
    if (group == 0) {
        catalogue::fillRegTexts(RegTexts, language);
        catalogue::fillApiTexts(ApiTexts, language);
        catalogue::fillMainTexts(MainTexts, language);
        catalogue::fillNviHelp(NviHelp, language);
        catalogue::fillNvoHelp(NvoHelp, language);
        catalogue::fillCpHelp(CpHelp, language);
        texts.helpIntro = catalogue::helpIntro(language);
    }
    if (language == catalogue::Language::English)
        texts.controls = catalogue::englishCaptions(group);
    return texts;
}
