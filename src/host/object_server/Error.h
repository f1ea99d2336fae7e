#pragma once

#include <QString>
#include <exception>
#include <string>

namespace lns {

// A failed object server call, carried like an automation error: a number and a description
// an integrator can act on.
class Error final : public std::exception
{
public:
    Error(int number, QString description)
        : m_number(number), m_description(std::move(description)), m_what(m_description.toStdString())
    {
    }

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

// Error numbers the object server uses.
namespace errors {
inline constexpr int NotFound = 4001;
inline constexpr int NotOpen = 4002;
inline constexpr int DeviceOffline = 4003;
inline constexpr int InvalidValue = 4004;
inline constexpr int OutOfRange = 4005;
inline constexpr int InjectedFault = 4006;
inline constexpr int Database = 4007;
inline constexpr int AlreadyExists = 4008;
inline constexpr int NotSupported = 4009;
inline constexpr int BadArgument = 4010;
} // namespace errors

} // namespace lns
