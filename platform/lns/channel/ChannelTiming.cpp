#include "lns/channel/ChannelTiming.h"

#include "lns/channel/Apdu.h"

#include <algorithm>

namespace lnssim {

namespace {

constexpr qint64 NsPerMs = 1000000;

// TP/FT-10: 78.125 kbit/s, 12.8 us a bit (ISO/IEC 14908-2). Header: layer-2 header 1 byte,
// network header 1, source subnet/node 2, destination subnet/node 2, domain 1, transport or
// session header 1, CRC 2 (ISO/IEC 14908-1); framing: preamble and end-of-frame code
// violation, about 10 bit times.
constexpr ChannelTiming TwistedPair{-1, 12800, 10, 10, 0};
// IP-852: the LonTalk packet without its CRC (8 bytes) in an ISO/IEC 14908-4 (CEA-852) data
// packet with its 20-byte header, in UDP (8, RFC 768) and IPv4 (20, RFC 791), in an Ethernet
// frame (14 header + 4 FCS); framing: preamble, start delimiter and inter-frame gap, 20 byte
// times (IEEE 802.3); 100 Mbit/s, 10 ns a bit.
constexpr ChannelTiming Ip{-1, 10, 8 + 20 + 8 + 20 + 14 + 4, 160, 0};

// The packets of the transactions the latency is calibrated on, a two-byte value each: an NV
// read and a CP write on TP/FT-10.
constexpr qint64 NvReadPacketsNs =
    TwistedPair.packetNs(apdu::NvFetchRequest) + TwistedPair.packetNs(apdu::nvFetchResponse(2));
constexpr qint64 CpWritePacketsNs =
    TwistedPair.packetNs(apdu::writeMemoryRequest(2)) + TwistedPair.packetNs(apdu::WriteMemoryResponse);
constexpr qint64 ReferencePacketsNs = (NvReadPacketsNs + CpWritePacketsNs) / 2;
static_assert(ReferencePacketsNs > 3 * NsPerMs && ReferencePacketsNs < 4 * NsPerMs);

} // namespace

ChannelTiming ChannelTiming::of(ChannelType type, int transactionMs, int slot)
{
    ChannelTiming timing = type == ChannelType::Ip852 ? Ip : TwistedPair;
    timing.slot = slot;
    if (transactionMs <= 0)
        timing.bitNs = 0;
    timing.latencyNs = latencyFor(transactionMs);
    return timing;
}

qint64 ChannelTiming::latencyFor(int transactionMs)
{
    return std::max<qint64>(0, transactionMs * NsPerMs - ReferencePacketsNs);
}

} // namespace lnssim
