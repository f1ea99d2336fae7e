#include "device/ui/MainWindow.h"
#include "files/ParameterFile.h"
#include "support/DemoSession.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");

class ParameterFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::shared_ptr<lns::AppDevice> device = demo.device(Rou1);
        PlugInCommand command = demo.commands.row(0);
        window->ProcessDeviceCommand(device, command);
        ASSERT_EQ(controls().txtNci(59)->text(), demo.value(Rou1, demo.points.cp(59).id));
    }

    MainControls& controls() { return window->controls(); }

    QString save()
    {
        const QString path = dir.filePath(QStringLiteral("rou1.par"));
        demo.ui.queueFileName(path);
        controls().mnuParameter_speichern->trigger();
        return path;
    }
    void load(const QString& path)
    {
        demo.ui.queueFileName(path);
        controls().mnuParameter_laden->trigger();
    }
    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    DemoSession demo;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(ParameterFilesTest, SavesTheReadValuesAndTheDevicesElements)
{
    controls().txtNci(9)->setText(QStringLiteral("unapplied"));
    const QString path = save();
    ASSERT_EQ(demo.ui.fileDialogs().size(), 1);
    const Ui::FileDialog& dialog = demo.ui.fileDialogs().front().dialog;
    EXPECT_EQ(dialog.title, QStringLiteral("Save Parameters(nci)"));
    EXPECT_EQ(dialog.filter, QStringLiteral("Parameter (*.par)|*.par"));
    EXPECT_TRUE(dialog.initialFolder.endsWith(QStringLiteral("/PlugIns/Korvandel/zep31")));
    EXPECT_TRUE(dialog.confirmOverwrite);

    const ParameterFile::Decoded file = ParameterFile::read(path, demo.settings.decimalSeparator);
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    // The array CPs are stored as their elements only.
    for (int position = 0; position < PointTables::CpTotal; ++position) {
        if (position != 2 && position != 5 && position != 6) {
            EXPECT_EQ(file.set.values.at(position), demo.points.cp(position).value) << position;
        }
    }
    for (int element = 0; element < 12; ++element)
        EXPECT_EQ(file.set.diConfig.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:44"), element));
    for (int element = 0; element < 2; ++element) {
        EXPECT_EQ(file.set.backlightMin.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:48"), element));
        EXPECT_EQ(file.set.backlightMax.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:47"), element));
    }
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(ParameterFilesTest, LoadSetsTheBoxesAndSavingAgainGivesTheSameBytes)
{
    const QString path = save();
    ParameterFile::Decoded file = ParameterFile::read(path, demo.settings.decimalSeparator);
    ASSERT_TRUE(file.error.isEmpty());
    file.set.values.at(9) = QStringLiteral("edited");
    file.set.diConfig.at(3) = QStringLiteral("0x01 02 03 04");
    file.set.backlightMax.at(1) = QStringLiteral("42");
    file.set.values.at(20).reset();
    controls().txtNci(20)->setText(QStringLiteral("kept"));
    const QString edited = dir.filePath(QStringLiteral("edited.par"));
    ASSERT_TRUE(ParameterFile::write(edited, file.set).isEmpty());

    load(edited);
    EXPECT_EQ(demo.ui.fileDialogs().back().dialog.title, QStringLiteral("Load Parameters(nci)"));
    EXPECT_TRUE(demo.ui.fileDialogs().back().dialog.mustExist);
    EXPECT_EQ(controls().txtNci(9)->text(), QStringLiteral("edited"));
    EXPECT_EQ(controls().txtNcielement(3)->text(), QStringLiteral("0x01 02 03 04"));
    EXPECT_EQ(controls().txtNci(103)->text(), QStringLiteral("42"));
    EXPECT_EQ(controls().txtNci(20)->text(), QStringLiteral("kept"));

    // Unchanged device: saving again writes the first file's bytes.
    const QByteArray first = bytesOf(path);
    save();
    EXPECT_EQ(bytesOf(path), first);
}

TEST_F(ParameterFilesTest, ForeignSeparatorIsConvertedOnLoad)
{
    const QString system = demo.settings.decimalSeparator;
    const QString other = system == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
    ParameterFile::Decoded file = ParameterFile::read(save(), system);
    ASSERT_TRUE(file.error.isEmpty());
    file.set.values.at(59) = QStringLiteral("1") + other + QStringLiteral("5");
    file.set.values.at(9) = QStringLiteral("2") + other + QStringLiteral("25");
    file.set.values.at(3) = QStringLiteral("a") + other + QStringLiteral("b");
    const QString foreign = dir.filePath(QStringLiteral("foreign.par"));
    ASSERT_TRUE(ParameterFile::write(foreign, file.set).isEmpty());

    load(foreign);
    EXPECT_EQ(controls().txtNci(59)->text(), QStringLiteral("1") + system + QStringLiteral("5"));
    EXPECT_EQ(controls().txtNci(9)->text(), QStringLiteral("2") + system + QStringLiteral("25"));
    EXPECT_EQ(controls().txtNci(3)->text(), QStringLiteral("a") + other + QStringLiteral("b"));
}

TEST_F(ParameterFilesTest, BadFileIsRefusedAndNoEditorChanges)
{
    const QString bad = dir.filePath(QStringLiteral("bad.par"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x08\x00\x10\x00short", 9);
    file.close();
    const QString before = controls().txtNci(0)->text();
    demo.ui.expectMessage(
        QStringLiteral("The file is not a parameter file: record 1 runs past the end of the file."), Title,
        Ui::Icon::Critical, Ui::Buttons::Ok, Ui::Answer::Ok);
    load(bad);
    demo.ui.verifyAllShown();
    EXPECT_EQ(controls().txtNci(0)->text(), before);
}

TEST_F(ParameterFilesTest, CancelledDialogsDoNothing)
{
    demo.ui.queueFileName(QString());
    controls().mnuParameter_speichern->trigger();
    demo.ui.queueFileName(QString());
    controls().mnuParameter_laden->trigger();
    EXPECT_EQ(demo.ui.fileDialogs().size(), 2);
    EXPECT_TRUE(demo.ui.messages().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
