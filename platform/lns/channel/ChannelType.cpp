#include "lns/channel/ChannelType.h"

namespace lnssim::channel_type {

QString name(ChannelType type)
{
    return type == ChannelType::Ip852 ? QStringLiteral("IP-852") : QStringLiteral("TP/FT-10");
}

std::optional<ChannelType> fromOption(const QString& text)
{
    if (text.compare(QLatin1String("tp-ft-10"), Qt::CaseInsensitive) == 0)
        return ChannelType::TpFt10;
    if (text.compare(QLatin1String("ip-852"), Qt::CaseInsensitive) == 0)
        return ChannelType::Ip852;
    return std::nullopt;
}

std::optional<ChannelType> fromNumber(qint64 number)
{
    if (number == static_cast<qint64>(ChannelType::TpFt10))
        return ChannelType::TpFt10;
    if (number == static_cast<qint64>(ChannelType::Ip852))
        return ChannelType::Ip852;
    return std::nullopt;
}

} // namespace lnssim::channel_type
