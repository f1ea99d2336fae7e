#pragma once

#include "host/RegistryStore.h"

#include <QString>

// The program's only door to the registry: text values, key enumeration and deletion.
// Getters never fail; missing keys or values read as the empty text.
class CRegistry final
{
public:
    // Set by MachineSetting let when the write failed (0x80040201), never raised.
    static constexpr qint32 PendingWriteError = static_cast<qint32>(0x80040201);

    explicit CRegistry(RegistryStore& store);

    QString FindFirstMachineKey(const QString& section);
    QString GetNextMachineKey();

    QString AppSetting(const QString& section, const QString& key) const;
    void setAppSetting(const QString& section, const QString& key, const QString& setting);

    QString MachineSetting(const QString& section, const QString& key) const;
    void setMachineSetting(const QString& section, const QString& key, const QString& setting);

    bool DeleteMachineKey(const QString& key);

    QString Werte(const QString& section, const QString& key) const;

    // The pending error number left by a failed MachineSetting let; 0 when none.
    qint32 pendingError() const { return m_pendingError; }

private:
    RegistryStore& m_store;
    QString m_enumerationKey;
    // Below 0 while no key is open, so GetNextMachineKey before a successful
    // FindFirstMachineKey returns nothing.
    int m_enumerationIndex = -1;
    qint32 m_pendingError = 0;
};
