#pragma once

#include <QString>
#include <QStringList>

// How the program was started and what its command line asks for.
class CommandLine final
{
public:
    enum class Action
    {
        // Stand-alone switches.
        RegisterPlugIn,
        DeregisterPlugIn,
        ShowDialog,
        // Writing or removing the automation server's activation file.
        RegisterServer,
        UnregisterServer,
    };

    struct Decision
    {
        Action action = Action::ShowDialog;
        // For RegisterPlugIn: "german", "english" or empty (the language stays as it is).
        QString language;
    };

    // The raw command line: the arguments after the program, joined by blanks.
    static QString raw(const QStringList& arguments);
    // Trimmed and lower-cased, then compared exactly with the known switches.
    static Decision interpret(const QString& rawCommandLine);
    // Started to serve a director: by D-Bus activation or with -Embedding.
    static bool startedByAutomation(const QStringList& arguments);
};
