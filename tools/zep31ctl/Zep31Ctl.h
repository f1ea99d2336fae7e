#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class CommandArguments;
class QTextStream;

// The commands of zep31ctl. Each prints one clear line on stderr when it cannot go on and
// gives the exit status: 0 done, 1 a device failed (or, for diff, the points differ; for drift,
// something drifted), 2 a wrong command line, network, device or file, 3 interrupted.
class Zep31Ctl final
{
public:
    Zep31Ctl(QTextStream& out, QTextStream& err);
    Zep31Ctl(const Zep31Ctl&) = delete;
    Zep31Ctl& operator=(const Zep31Ctl&) = delete;

    int run(const QStringList& arguments);

    static QString usage();
    // Whether the command needs fonts (a QGuiApplication) to run.
    static bool needsFonts(const QStringList& arguments);

private:
    struct Command;

    // The commands, which the usage and the dispatch both read.
    static const std::vector<Command>& commands();
    static const Command* command(const QString& name);
    int dispatch(const QString& name, const QStringList& words);
    int devices(const CommandArguments& arguments);
    int read(const CommandArguments& arguments);
    int save(const CommandArguments& arguments);
    int apply(const CommandArguments& arguments);
    int diff(const CommandArguments& arguments);
    int exportFile(const CommandArguments& arguments);
    int importFile(const CommandArguments& arguments);
    int report(const CommandArguments& arguments);
    int backup(const CommandArguments& arguments);
    int restore(const CommandArguments& arguments);
    int drift(const CommandArguments& arguments);

    QTextStream& m_out;
    QTextStream& m_err;
};
