#pragma once

#include "host/Expected.h"

#include <QString>

// The D-Bus activation file that lets the session bus start the plug-in for a director:
// $XDG_DATA_HOME/dbus-1/services/<bus name>.service (XDG_DATA_HOME defaults to ~/.local/share).
class ActivationFile final
{
public:
    static QString servicesFolder();
    static QString filePath();
    // The file's content for an executable started with -Embedding.
    static QString content(const QString& executable);

    static Expected<void> write(const QString& executable);
    static Expected<void> remove();
};
