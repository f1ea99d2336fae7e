#pragma once

#include "lns/model/ChannelRow.h"

#include <QList>
#include <QString>
#include <optional>

namespace lnssim {

class SqliteConnection;

// The channels of the networks and the devices on them. Every channel has a slot of its own
// on the channel board, the lowest one free when it was added.
class ChannelStore final
{
public:
    explicit ChannelStore(SqliteConnection& db) : m_db(db) {}

    // The channel a network gets when none was asked for (and every network had on update).
    static QString defaultName() { return QStringLiteral("Channel 1"); }

    std::optional<ChannelRow> find(qint64 networkId, const QString& name);
    // In the order they were added.
    QList<ChannelRow> ofNetwork(qint64 networkId);
    // The network's first channel; a TP/FT-10 channel named defaultName() when it has none.
    ChannelRow defaultChannel(qint64 networkId);
    // Throws lns::Error when every slot of the board is taken.
    ChannelRow add(qint64 networkId, const QString& name, ChannelType type);
    void moveDevice(qint64 deviceId, qint64 channelId);
    // Gives every network of a database written before channels existed its default channel
    // with all of its devices on it.
    void addDefaultChannels();

private:
    int freeSlot();

    SqliteConnection& m_db;
};

} // namespace lnssim
