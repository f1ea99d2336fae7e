#include "files/ParameterFile.h"
#include "files/ParameterRecords.h"
#include "files/ParameterText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The reader must refuse or accept any bytes without crashing; an accepted file must encode
// again, and its records must come back byte for byte through both readable forms.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ParameterFile::Decoded decoded = ParameterFile::decode(bytes, QStringLiteral(","));
    if (!decoded.error.isEmpty())
        return 0;
    ParameterFile::encode(decoded.set);
    const ParameterRecords::Parsed parsed = ParameterRecords::parse(bytes);
    if (!parsed.error.isEmpty() || parsed.records.compose() != bytes)
        std::abort();
    const ParameterText::Read json = ParameterText::fromJson(ParameterText::toJson(parsed.records));
    const ParameterText::Read csv = ParameterText::fromCsv(ParameterText::toCsv(parsed.records));
    if (!json.error.isEmpty() || !csv.error.isEmpty() || !(json.records == parsed.records) ||
        !(csv.records == parsed.records))
        std::abort();
    return 0;
}
