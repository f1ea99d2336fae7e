#include "files/ParameterFile.h"

#include <cstddef>
#include <cstdint>

// The reader must refuse or accept any bytes without crashing; an accepted file must encode again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParameterFile::Decoded decoded = ParameterFile::decode(bytes, QStringLiteral(","));
    if (decoded.error.isEmpty())
        ParameterFile::encode(decoded.set);
    return 0;
}
