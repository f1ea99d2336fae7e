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
    const Expected<ParameterSet> decoded = ParameterFile::decode(bytes, QStringLiteral(","));
    if (!decoded)
        return 0;
    (void)ParameterFile::encode(*decoded);
    const Expected<ParameterRecords> parsed = ParameterRecords::parse(bytes);
    if (!parsed || parsed->compose() != bytes)
        std::abort();
    const Expected<ParameterRecords> json = ParameterText::fromJson(ParameterText::toJson(*parsed));
    const Expected<ParameterRecords> csv = ParameterText::fromCsv(ParameterText::toCsv(*parsed));
    if (!json || !csv || !(*json == *parsed) || !(*csv == *parsed))
        std::abort();
    return 0;
}
