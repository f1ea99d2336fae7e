#include "Zep31Ctl.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Only the report needs fonts; it draws on no screen, so no display is needed either.
    std::unique_ptr<QCoreApplication> application;
    if (Zep31Ctl::needsFonts(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("zep31ctl"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    Zep31Ctl tool(out, err);
    return tool.run(arguments);
}
