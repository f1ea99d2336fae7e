#include "ProgramHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace program_help {

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    Run result;
    if (!process.waitForFinished(60000))
        return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString staged(const QString& relativePath)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + relativePath);
}

QSet<QString> options(const QString& text, bool switches)
{
    static const QRegularExpression longOption(QStringLiteral("(?<![\\w-])--[a-z][a-z0-9-]*"));
    // "/regplugin", but not the first folder of a path such as /usr/share.
    static const QRegularExpression plugInSwitch(
        QStringLiteral("(?<![\\w/])(/[a-z]+(?![\\w/])|-Embedding\\b)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : longOption.globalMatch(text))
        found.insert(match.captured(0));
    if (switches) {
        for (const QRegularExpressionMatch& match : plugInSwitch.globalMatch(text))
            found.insert(match.captured(1));
    }
    return found;
}

QMap<QString, QString> commands(const QString& help)
{
    static const QRegularExpression commandLine(QStringLiteral("^  ([a-z][a-z-]*)(.*)$"));
    QMap<QString, QString> found;
    const QStringList lines = help.section(QStringLiteral("Commands:\n"), 1)
                                  .section(QStringLiteral("\n\n"), 0, 0)
                                  .split(QLatin1Char('\n'));
    QString current;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = commandLine.match(line);
        if (match.hasMatch())
            current = match.captured(1);
        found[current] += line + QLatin1Char('\n');
    }
    found.remove(QString());
    return found;
}

QString usage(const QString& help)
{
    return help.section(QStringLiteral("\n\n"), 0, 0);
}

} // namespace program_help
