#include "host/CRegistry.h"

#include "host/RegistryKeys.h"

namespace {

using Hive = RegistryStore::Hive;

// The enumeration buffer holds this many characters.
constexpr qsizetype NameBufferLength = 260;

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString readText(const RegistryStore& store, Hive hive, const QString& section, const QString& key)
{
    return cutAtNul(store.readValue(hive, section, key).value_or(QString()));
}

QString appletKey(const QString& section)
{
    return registry_keys::AppletsKey + registry_keys::ProductKey + QLatin1Char('\\') + section;
}

// The machine hive itself is no key of ours: an empty path must never reach a deletion.
bool namesAKey(const QString& key)
{
    return !key.split(QLatin1Char('\\'), Qt::SkipEmptyParts).isEmpty();
}

bool deleteTree(RegistryStore& store, const QString& key)
{
    if (store.deleteKey(Hive::LocalMachine, key))
        return true;
    if (!store.keyExists(Hive::LocalMachine, key))
        return false;
    for (QStringList children = store.subkeys(Hive::LocalMachine, key); !children.isEmpty();
         children = store.subkeys(Hive::LocalMachine, key)) {
        // Stop when a child resists, or the loop would take the same child forever.
        if (!deleteTree(store, key + QLatin1Char('\\') + children.first()))
            return false;
    }
    return store.deleteKey(Hive::LocalMachine, key);
}

} // namespace

CRegistry::CRegistry(RegistryStore& store) : m_store(store) {}

QString CRegistry::FindFirstMachineKey(const QString& section)
{
    m_enumerationIndex = 0;
    m_enumerationKey = section;
    if (!m_store.keyExists(Hive::LocalMachine, section)) {
        m_enumerationKey.clear();
        m_enumerationIndex = -1;
        return {};
    }
    return GetNextMachineKey();
}

QString CRegistry::GetNextMachineKey()
{
    if (m_enumerationIndex < 0)
        return {};
    const QStringList names = m_store.subkeys(Hive::LocalMachine, m_enumerationKey);
    if (m_enumerationIndex >= names.size())
        return {};
    const QString name = names.at(m_enumerationIndex);
    ++m_enumerationIndex;
    return cutAtNul(name).left(NameBufferLength);
}

QString CRegistry::AppSetting(const QString& section, const QString& key) const
{
    return readText(m_store, Hive::CurrentUser, appletKey(section), key);
}

void CRegistry::setAppSetting(const QString& section, const QString& key, const QString& setting)
{
    m_store.writeValue(Hive::CurrentUser, appletKey(section), key, setting);
}

QString CRegistry::MachineSetting(const QString& section, const QString& key) const
{
    return readText(m_store, Hive::LocalMachine, section, key);
}

void CRegistry::setMachineSetting(const QString& section, const QString& key, const QString& setting)
{
    if (!m_store.createKey(Hive::LocalMachine, section) ||
        !m_store.writeValue(Hive::LocalMachine, section, key, setting))
        m_pendingError = PendingWriteError;
}

bool CRegistry::DeleteMachineKey(const QString& key)
{
    return namesAKey(key) && deleteTree(m_store, key);
}

QString CRegistry::Werte(const QString& section, const QString& key) const
{
    return readText(m_store, Hive::CurrentUser, section, key);
}
