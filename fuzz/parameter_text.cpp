#include "files/ParameterText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The readable forms are typed by people: any text is refused with a message or read into
// records that give the same records when written and read again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool json : {true, false}) {
        const Expected<ParameterRecords> read =
            json ? ParameterText::fromJson(text) : ParameterText::fromCsv(text);
        if (!read)
            continue;
        const Expected<ParameterRecords> again = json ? ParameterText::fromJson(ParameterText::toJson(*read))
                                                      : ParameterText::fromCsv(ParameterText::toCsv(*read));
        if (!again || !(*again == *read))
            std::abort();
    }
    return 0;
}
