#pragma once

#include "registration/SelfLauncher.h"

#include <QStringList>
#include <optional>

// Records what the program would start itself with; can be told to fail.
class FakeSelfLauncher final : public SelfLauncher
{
public:
    Expected<void> start(const QString& argument) override
    {
        m_arguments.append(argument);
        if (m_failure)
            return Failure{*m_failure};
        return {};
    }

    void failWith(const QString& description) { m_failure = description; }
    const QStringList& arguments() const { return m_arguments; }

private:
    QStringList m_arguments;
    std::optional<QString> m_failure;
};
