#pragma once

namespace lnssim::apdu {

// Payload bytes (APDU: message code and data) of the messages a network interface exchanges
// with a simulated device, laid out as the network management and network variable messages
// of ISO/IEC 14908-1. The packet headers come on top (ChannelTiming).

// Network variable fetch: code and NV index; the response repeats both before the value.
inline constexpr int NvFetchRequest = 2;
constexpr int nvFetchResponse(int valueBytes)
{
    return 2 + valueBytes;
}
// Network variable update: the 14-bit selector in two bytes, then the value. It is sent
// acknowledged, and an acknowledgement carries no APDU.
constexpr int nvUpdate(int valueBytes)
{
    return 2 + valueBytes;
}
inline constexpr int Acknowledgement = 0;
// Poll: the selector; the response is an update.
inline constexpr int PollRequest = 2;
// Read memory: code, address mode, offset (two bytes) and count; the response is the code
// and the data.
inline constexpr int ReadMemoryRequest = 5;
constexpr int readMemoryResponse(int dataBytes)
{
    return 1 + dataBytes;
}
// Write memory: code, address mode, offset (two bytes), count and form, then the data; the
// response is the code.
constexpr int writeMemoryRequest(int dataBytes)
{
    return 6 + dataBytes;
}
inline constexpr int WriteMemoryResponse = 1;
// Query status: the code; the response is the code and the status (five 16-bit error
// counters, reset cause, state, version, error log and model).
inline constexpr int QueryStatusRequest = 1;
inline constexpr int QueryStatusResponse = 16;

// The application buffer of the simulated devices, a size a Neuron chip's buffers can be
// given. A memory write (the largest message) must fit it, so a configuration written as one
// set travels in pieces of at most MemoryChunk bytes, and is read back in the same pieces.
inline constexpr int DeviceBufferBytes = 114;
inline constexpr int MemoryChunk = DeviceBufferBytes - writeMemoryRequest(0);

} // namespace lnssim::apdu
