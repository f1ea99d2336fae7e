#pragma once

#include <QString>
#include <optional>

namespace lnssim {

// The media a channel can be; the numbers are stored in the network database.
enum class ChannelType
{
    TpFt10 = 0,
    Ip852 = 1
};

namespace channel_type {
// "TP/FT-10", "IP-852", as listings show them.
QString name(ChannelType type);
// "tp-ft-10" or "ip-852" as typed on the command line (any case); nullopt for anything else.
std::optional<ChannelType> fromOption(const QString& text);
// A stored number; nullopt when it names no type.
std::optional<ChannelType> fromNumber(qint64 number);
} // namespace channel_type

} // namespace lnssim
