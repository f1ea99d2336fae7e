// Feeds arbitrary object names, as a director could send them, through the object-name parser.
#include "host/ObjectPath.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString objectName =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ObjectPath path;
    const int count = path.SplitObjectPath(objectName);
    for (int index = -1; index <= count + 1; ++index) {
        path.PathComponent(index, true);
        path.PathComponent(index, false);
    }
    SplitAtFirst(objectName, QStringLiteral(":"));
    return 0;
}
