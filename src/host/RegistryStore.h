#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The platform's hierarchical registry: hives, keys with subkeys, text values.
// Key and value names are compared case-insensitively; the empty value name is the key's
// default value. Implementations report failures by return value, never by throwing.
class RegistryStore
{
public:
    enum class Hive
    {
        LocalMachine,
        CurrentUser
    };

    virtual ~RegistryStore() = default;

    // Empty while the store works; otherwise a text naming the file and the cause.
    virtual QString lastError() const = 0;

    virtual bool keyExists(Hive hive, const QString& key) const = 0;
    // Creates the key and its parents as needed.
    virtual bool createKey(Hive hive, const QString& key) = 0;
    virtual std::optional<QString> readValue(Hive hive, const QString& key, const QString& name) const = 0;
    virtual bool writeValue(Hive hive, const QString& key, const QString& name, const QString& value) = 0;
    virtual bool deleteValue(Hive hive, const QString& key, const QString& name) = 0;
    // Deletes a key that has no subkeys; fails when it has some or does not exist.
    virtual bool deleteKey(Hive hive, const QString& key) = 0;
    // Subkey names in a stable order (by creation), as stored (original case).
    virtual QStringList subkeys(Hive hive, const QString& key) const = 0;
    virtual QStringList valueNames(Hive hive, const QString& key) const = 0;
};
