#pragma once

#include "registration/SelfLauncher.h"

// Starts this executable as a detached process (never through a shell).
class ProcessSelfLauncher final : public SelfLauncher
{
public:
    std::optional<QString> start(const QString& argument) override;
};
