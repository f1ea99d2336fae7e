#include "host/ActivationFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// XDG_DATA_HOME pointing at a temporary folder for one test.
class ActivationFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = qgetenv("XDG_DATA_HOME");
        m_had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    }
    void TearDown() override
    {
        if (m_had)
            qputenv("XDG_DATA_HOME", m_previous);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QString read() const
    {
        QFile file(ActivationFile::filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_dataHome;
    QByteArray m_previous;
    bool m_had = false;
};

} // namespace

TEST_F(ActivationFileTest, WritesTheServiceFileForTheBusName)
{
    EXPECT_EQ(ActivationFile::filePath(),
              m_dataHome.path() +
                  QStringLiteral("/dbus-1/services/Korvandel_zep31_PlugIn.LNSPlugInAPI.service"));
    ASSERT_TRUE(ActivationFile::write(QStringLiteral("/opt/zep31/bin/zep31-plugin")).has_value());
    EXPECT_EQ(read(), QStringLiteral("[D-BUS Service]\nName=Korvandel_zep31_PlugIn.LNSPlugInAPI\n"
                                     "Exec=/opt/zep31/bin/zep31-plugin -Embedding\n"));
    // A second registration replaces the file.
    ASSERT_TRUE(ActivationFile::write(QStringLiteral("/usr/bin/zep31-plugin")).has_value());
    EXPECT_TRUE(read().contains(QStringLiteral("Exec=/usr/bin/zep31-plugin -Embedding\n")));
}

TEST_F(ActivationFileTest, QuotesAPathTheBusWouldSplit)
{
    EXPECT_TRUE(ActivationFile::content(QStringLiteral("/home/a b/it's/zep31-plugin"))
                    .endsWith(QStringLiteral("Exec='/home/a b/it'\\''s/zep31-plugin' -Embedding\n")));
}

TEST_F(ActivationFileTest, RemoveDeletesTheFileAndToleratesItsAbsence)
{
    ASSERT_TRUE(ActivationFile::write(QStringLiteral("/usr/bin/zep31-plugin")).has_value());
    EXPECT_TRUE(ActivationFile::remove().has_value());
    EXPECT_FALSE(QFile::exists(ActivationFile::filePath()));
    EXPECT_TRUE(ActivationFile::remove().has_value());
}

TEST_F(ActivationFileTest, AFolderThatCannotBeCreatedIsReported)
{
    // A plain file where the dbus-1 folder belongs.
    QFile blocker(m_dataHome.path() + QStringLiteral("/dbus-1"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString failure = ActivationFile::write(QStringLiteral("/usr/bin/zep31-plugin")).error();
    EXPECT_TRUE(failure.contains(ActivationFile::servicesFolder())) << failure.toStdString();
}
