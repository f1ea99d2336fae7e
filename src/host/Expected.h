#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <utility>

// Why there is no result, in words for a person ("record 3 is missing", "No space left on device").
struct Failure
{
    QString why;
};

// A value or the reason there is none: what a call returns when failing is one of its ordinary
// outcomes that the caller reports (a file that does not parse, a full disk). Asking a failed
// result for its value is a fault of the program (std::logic_error).
template <typename T> class [[nodiscard]] Expected
{
public:
    Expected(T value) : m_value(std::move(value)) {}
    Expected(Failure failure) : m_error(std::move(failure.why)) {}

    bool has_value() const { return m_value.has_value(); }
    explicit operator bool() const { return has_value(); }

    const T& value() const& { return checked(*this); }
    T& value() & { return checked(*this); }
    T&& value() && { return std::move(checked(*this)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Empty while there is a value.
    const QString& error() const { return m_error; }

private:
    template <typename Self> static auto& checked(Self& self)
    {
        if (!self.m_value)
            throw std::logic_error("the value of a failed result: " + self.m_error.toStdString());
        return *self.m_value;
    }

    std::optional<T> m_value;
    QString m_error;
};

// Done, or why not.
template <> class [[nodiscard]] Expected<void>
{
public:
    Expected() = default;
    Expected(Failure failure) : m_failed(true), m_error(std::move(failure.why)) {}

    bool has_value() const { return !m_failed; }
    explicit operator bool() const { return has_value(); }

    // Empty when done.
    const QString& error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
