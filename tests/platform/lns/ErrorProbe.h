#pragma once

#include <QString>
#include <functional>

// What an object server call threw: the lns::Error number (0 when it did not throw) and the
// description.
namespace error_probe {
int number(const std::function<void()>& call);
QString text(const std::function<void()>& call);
} // namespace error_probe
