#include "device/ui/MainWindow.h"
#include "echlog/EchLog.h"
#include "files/ParameterFile.h"
#include "files/ui/ReportPrinter.h"
#include "host/ActivationFile.h"
#include "lns/resources/CatalogueIndex.h"
#include "support/DemoSession.h"
#include "support/FileFault.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

const QByteArray Old("the good file of yesterday\n");

// One way the program writes a file: where it writes, and the write itself, which says whether
// the failure reached the user (a false result, an error text or a box).
struct WritePath
{
    const char* name;
    std::function<QString(const QString& folder)> target;
    std::function<bool(const QString& target)> writeReportsFailure;
};

// Every file the program writes in its own process, against each fault: the failure is told and
// the old content stays byte for byte. zep31ctl's files are checked against a real full disk in
// the tool's tests.
class WritePathsTest : public ::testing::TestWithParam<FileFault>
{
protected:
    std::vector<WritePath> paths()
    {
        const auto inFolder = [](const char* name) {
            return [name](const QString& folder) { return folder + QLatin1Char('/') + QLatin1String(name); };
        };
        return {
            {"parameter file", inFolder("file.par"),
             [](const QString& target) {
                 ParameterSet set;
                 set.values.at(4) = QStringLiteral("10");
                 return !ParameterFile::write(target, set).has_value();
             }},
            {"Save Parameters", inFolder("window.par"),
             [this](const QString& target) {
                 demo.ui.queueFileName(target);
                 window->controls().mnuParameter_speichern->trigger();
                 return lastBoxIsCritical();
             }},
            {"Save Log As", inFolder("saved.log"),
             [this](const QString& target) {
                 EchLog log(demo.ui);
                 log.addInformation(QStringLiteral("a line"));
                 demo.ui.queueFileName(target);
                 return !log.saveAs() && lastBoxIsCritical();
             }},
            {"activation file",
             [](const QString& folder) {
                 qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
                 return ActivationFile::filePath();
             },
             [](const QString&) {
                 return !ActivationFile::write(QStringLiteral("/opt/zep31-plugin")).has_value();
             }},
            {"resource catalogue index",
             [](const QString& folder) { return lnssim::CatalogueIndex::filePath(folder); },
             [](const QString& target) {
                 const QString folder = QFileInfo(target).path();
                 lnssim::CatalogueIndex index = lnssim::CatalogueIndex::load(folder);
                 index.addDirectory(folder);
                 return !index.save(folder);
             }},
            {"report printed to a PDF file", inFolder("report.pdf"),
             [](const QString& target) {
                 QPrinter printer(QPrinter::HighResolution);
                 printer.setOutputFormat(QPrinter::PdfFormat);
                 printer.setOutputFileName(target);
                 DeviceReport::Data data;
                 data.deviceName = QStringLiteral("ROU_1");
                 return !report_printer::print(printer, {}, data, {}).has_value();
             }},
        };
    }

    bool lastBoxIsCritical() const
    {
        return !demo.ui.messages().isEmpty() && demo.ui.messages().last().icon == UiServices::Icon::Critical;
    }

    void SetUp() override
    {
        demo.open(*window, QStringLiteral("F1/ROU_1"));
        demo.ui.setRelaxed(UiServices::Answer::Ok);
    }
    void TearDown() override
    {
        if (previousDataHome)
            qputenv("XDG_DATA_HOME", *previousDataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    std::optional<QByteArray> previousDataHome =
        qEnvironmentVariableIsSet("XDG_DATA_HOME") ? std::optional(qgetenv("XDG_DATA_HOME")) : std::nullopt;
    QTemporaryDir dir;
    DemoSession demo;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_P(WritePathsTest, FailureIsToldAndTheOldFileStays)
{
    const FileFault fault = GetParam();
    for (const WritePath& path : paths()) {
        const QString folder = dir.filePath(QLatin1String(path.name));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString target = path.target(folder);
        const FileFaultScope scope(fault, target, Old);
        if (!scope.skipReason().isEmpty())
            GTEST_SKIP() << scope.skipReason().toStdString();
        bool told = false;
        {
            // Nothing past the first byte reaches the disk, as on a disk that has just filled up.
            std::optional<FileSizeLimit> full;
            if (fault == FileFault::FullDisk)
                full.emplace(1);
            told = path.writeReportsFailure(target);
        }
        EXPECT_TRUE(told) << path.name;
        EXPECT_EQ(scope.content(), Old) << path.name;
        EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden).size(),
                  fault == FileFault::TargetIsFolder ? 0 : 1)
            << path.name << ": a temporary file was left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, WritePathsTest, AllFileFaults, faultName);

} // namespace
