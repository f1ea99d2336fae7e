#include "ErrorProbe.h"

#include "host/object_server/Error.h"

namespace error_probe {

int number(const std::function<void()>& call)
{
    try {
        call();
    } catch (const lns::Error& error) {
        return error.number();
    }
    return 0;
}

QString text(const std::function<void()>& call)
{
    try {
        call();
    } catch (const lns::Error& error) {
        return error.description();
    }
    return QString();
}

} // namespace error_probe
