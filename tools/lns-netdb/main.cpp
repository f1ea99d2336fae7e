#include "NetdbTool.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    NetdbTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}
