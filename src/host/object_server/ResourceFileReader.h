#pragma once

#include <QString>

namespace lns {

// Reads one resource file.
class ResourceFileReader
{
public:
    virtual ~ResourceFileReader() = default;
    virtual int open(const QString& fileName) = 0;
    virtual int close() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace lns
