#include "editors/support/PagesFixture.h"

#include "device/ui/MainPages.h"
#include "host/MessageCatalogue.h"
#include "host/RegistryKeys.h"
#include "registry/SqliteRegistryStore.h"

#include <QVBoxLayout>

PagesFixture::PagesFixture()
    : tabs(new QTabWidget(&root)),
      m_registry(std::make_unique<SqliteRegistryStore>(home.path() + QStringLiteral("/registry.sqlite")))
{
    root.setObjectName(QStringLiteral("fMain"));
    auto* layout = new QVBoxLayout(&root);
    layout->addWidget(tabs);
    controls.fMain = &root;
    controls.tabData = tabs;
    buildMainPages(controls);
}

PagesFixture::~PagesFixture() = default;

MessageCatalogue& PagesFixture::catalogue(const QString& language)
{
    m_registry->writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                           registry_keys::LanguageValue, language);
    m_catalogue = std::make_unique<MessageCatalogue>(*m_registry);
    m_catalogue->LoadTexts(0);
    return *m_catalogue;
}
