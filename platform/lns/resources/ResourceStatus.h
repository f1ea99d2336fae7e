#pragma once

namespace lnssim::resource_status {

// Status values of the resource components besides lns::ResourceOk (0) and
// lns::ResourceNotPresent (4).
inline constexpr int NotOpen = 1;
inline constexpr int NoSuchFolder = 2;
inline constexpr int BadFile = 3;
inline constexpr int WriteFailed = 5;
inline constexpr int BadArgument = 6;

} // namespace lnssim::resource_status
