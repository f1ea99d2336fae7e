#include "host/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

// The build lays its folder out as an installation is, so the programs find their data beside
// themselves in both; a data folder named in the environment wins.
TEST(InstalledFilesTest, DataIsFoundBesideTheProgramUnlessTheEnvironmentNamesIt)
{
    const QByteArray named = qgetenv("ZEP31_DATA_DIR");
    qunsetenv("ZEP31_DATA_DIR");
    const QDir program(QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
    EXPECT_EQ(installed_files::dataFolder(),
              QDir::cleanPath(program.filePath(QStringLiteral("../share/zep31"))));
    EXPECT_EQ(installed_files::documentFolder(),
              QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/zep31"))));
    for (const char* file : {"import/zep31/zep31_05.xif", "import/zep31/zep31_06.xif", "import/demo/vav.xif",
                             "types/User/Korvandel/zep31.res"})
        EXPECT_TRUE(QFile::exists(installed_files::dataFolder() + QLatin1Char('/') + QLatin1String(file)))
            << file;

    qputenv("ZEP31_DATA_DIR", "/opt/zep31-data/");
    EXPECT_EQ(installed_files::dataFolder(), QStringLiteral("/opt/zep31-data"));
    if (named.isNull())
        qunsetenv("ZEP31_DATA_DIR");
    else
        qputenv("ZEP31_DATA_DIR", named);
}
