#pragma once

#include "host/RegistryStore.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct sqlite3;

// The registry kept in one SQLite file. Several processes may use the file at once (WAL
// journal, busy timeout). A file that cannot be opened or is not a store leaves the object
// unusable: lastError() says why, getters read as empty and writes fail.
// Key paths use "\" between components; empty components are ignored. The empty path is the
// hive itself: it exists, lists the top-level keys and holds no values.
class SqliteRegistryStore final : public RegistryStore
{
public:
    explicit SqliteRegistryStore(const QString& filePath);
    ~SqliteRegistryStore() override;
    SqliteRegistryStore(const SqliteRegistryStore&) = delete;
    SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

    // Why the store could not be opened, or else the last error the database reported
    // (a busy timeout, corruption found later); empty while all is well.
    QString lastError() const override;

    bool keyExists(Hive hive, const QString& key) const override;
    bool createKey(Hive hive, const QString& key) override;
    std::optional<QString> readValue(Hive hive, const QString& key, const QString& name) const override;
    // Creates the key and its parents when missing.
    bool writeValue(Hive hive, const QString& key, const QString& name, const QString& value) override;
    bool deleteValue(Hive hive, const QString& key, const QString& name) override;
    bool deleteKey(Hive hive, const QString& key) override;
    QStringList subkeys(Hive hive, const QString& key) const override;
    QStringList valueNames(Hive hive, const QString& key) const override;

private:
    bool open();
    bool execute(const char* sql);
    void recordFailure(const QString& cause) const;
    // Records the connection's last error after what was attempted; always false.
    bool sqlFailure(const QString& what) const;
    // Runs body inside a write transaction; commits when it returns true, else rolls back.
    bool inWriteTransaction(const QString& what, const std::function<bool()>& body);
    // Row id of the key, 0 for the hive itself, nullopt when missing or on failure.
    std::optional<qint64> findKey(Hive hive, const QStringList& components) const;
    std::optional<qint64> ensureKey(Hive hive, const QStringList& components);

    QString m_filePath;
    sqlite3* m_db = nullptr;
    mutable QString m_lastError;
};
