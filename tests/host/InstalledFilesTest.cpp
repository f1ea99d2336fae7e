#include "host/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable while it lives.
class ScopedVariable final
{
public:
    ScopedVariable(const char* name, const QByteArray& value) : m_name(name), m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_previous.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_previous);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    QByteArray m_previous;
};

} // namespace

// The build lays its folder out as an installation is, so the programs find their data beside
// themselves in both; a data folder named in the environment wins.
TEST(InstalledFilesTest, DataIsFoundBesideTheProgramUnlessTheEnvironmentNamesIt)
{
    const QDir program(QCoreApplication::applicationDirPath());
    {
        ScopedVariable unset("ZEP31_DATA_DIR", QByteArray());
        EXPECT_EQ(installed_files::dataFolder(),
                  QDir::cleanPath(program.filePath(QStringLiteral("../share/zep31"))));
    }
    for (const char* file : {"import/zep31/zep31_05.xif", "import/zep31/zep31_06.xif", "import/demo/vav.xif",
                             "types/User/Korvandel/zep31.res"})
        EXPECT_TRUE(QFile::exists(installed_files::dataFolder() + QLatin1Char('/') + QLatin1String(file)))
            << file;
    EXPECT_EQ(installed_files::documentFolder(),
              QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/zep31"))));

    ScopedVariable named("ZEP31_DATA_DIR", "/opt/zep31-data/");
    EXPECT_EQ(installed_files::dataFolder(), QStringLiteral("/opt/zep31-data"));
}
