#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// What the programs built beside the test say about themselves, and the files the build stages
// where they are installed.
namespace program_help {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

// Runs a program from beside the test, without a display.
Run run(const QString& program, const QStringList& arguments);
// A file below the build folder as it is below the installation prefix ("share/man/...").
QString staged(const QString& relativePath);

// The long options ("--name") in a text, and with `switches` also the plug-in's "/name" and
// "-Embedding" switches.
QSet<QString> options(const QString& text, bool switches = false);
// The "Commands:" section of a help: each command with the text of its lines.
QMap<QString, QString> commands(const QString& help);
// The first paragraph of a help (its usage lines).
QString usage(const QString& help);

} // namespace program_help
