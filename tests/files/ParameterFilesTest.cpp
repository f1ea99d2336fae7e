#include "device/ui/MainWindow.h"
#include "files/ParameterFile.h"
#include "support/DemoSession.h"
#include "ui/ChangeMarker.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");

class ParameterFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        demo.open(*window, Rou1);
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
    const UiServices::FileDialog& dialog = demo.ui.fileDialogs().front().dialog;
    EXPECT_EQ(dialog.title, QStringLiteral("Save Parameters(nci)"));
    EXPECT_EQ(dialog.filter, QStringLiteral("Parameter (*.par)|*.par"));
    EXPECT_TRUE(dialog.initialFolder.endsWith(QStringLiteral("/PlugIns/Korvandel/zep31")));
    EXPECT_TRUE(dialog.confirmOverwrite);

    const Expected<ParameterSet> file = ParameterFile::read(path, demo.settings.decimalSeparator);
    ASSERT_TRUE(file) << file.error().toStdString();
    // The array CPs are stored as their elements only.
    for (int position = 0; position < PointTables::CpTotal; ++position) {
        if (position != 2 && position != 5 && position != 6) {
            EXPECT_EQ(file->values.at(position), demo.points.cp(position).value) << position;
        }
    }
    for (int element = 0; element < 12; ++element)
        EXPECT_EQ(file->diConfig.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:44"), element));
    for (int element = 0; element < 2; ++element) {
        EXPECT_EQ(file->backlightMin.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:48"), element));
        EXPECT_EQ(file->backlightMax.at(element), demo.value(Rou1, QStringLiteral("F:0/C:3:47"), element));
    }
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(ParameterFilesTest, LoadSetsTheBoxesAndSavingAgainGivesTheSameBytes)
{
    const QString path = save();
    Expected<ParameterSet> file = ParameterFile::read(path, demo.settings.decimalSeparator);
    ASSERT_TRUE(file);
    file->values.at(9) = QStringLiteral("edited");
    file->diConfig.at(3) = QStringLiteral("0x01 02 03 04");
    file->backlightMax.at(1) = QStringLiteral("42");
    file->values.at(20).reset();
    controls().txtNci(20)->setText(QStringLiteral("kept"));
    const QString edited = dir.filePath(QStringLiteral("edited.par"));
    ASSERT_TRUE(ParameterFile::write(edited, *file));

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
    Expected<ParameterSet> file = ParameterFile::read(save(), system);
    ASSERT_TRUE(file);
    file->values.at(59) = QStringLiteral("1") + other + QStringLiteral("5");
    file->values.at(9) = QStringLiteral("2") + other + QStringLiteral("25");
    file->values.at(3) = QStringLiteral("a") + other + QStringLiteral("b");
    const QString foreign = dir.filePath(QStringLiteral("foreign.par"));
    ASSERT_TRUE(ParameterFile::write(foreign, *file));

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
        UiServices::Icon::Critical, UiServices::Buttons::Ok, UiServices::Answer::Ok);
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

// The window as the user has it: shown, so that every loaded text runs its change handling.
class ParameterLoadMarkingTest : public ParameterFilesTest
{
protected:
    struct Change
    {
        QString point;
        std::optional<int> element;
        // The new value from the old one.
        std::function<QString(const QString&)> value;
        // The fields marked because of it: the box itself and those its editor marks with it.
        QStringList marked;
    };

    void SetUp() override
    {
        window->show();
        ParameterFilesTest::SetUp();
    }

    void reopen() { demo.open(*window, Rou1); }

    // Every control of a control array whose fore colour says it differs from the device.
    QStringList markedFields() const
    {
        static const QRegularExpression arrayName(QStringLiteral("^\\w+\\(\\d+\\)$"));
        QStringList names;
        for (const QWidget* widget : window->findChildren<QWidget*>(arrayName))
            if (change_marker::isMarked(widget))
                names.append(widget->objectName());
        names.sort();
        return names;
    }
};

TEST_F(ParameterLoadMarkingTest, LoadingMarksExactlyWhatDiffersFromTheDevice)
{
    // One plain CP, one button row (its object byte), one backlight element.
    const QList<Change> changes{
        {demo.points.cp(64).id,
         std::nullopt,
         [](const QString&) { return QStringLiteral("1234"); },
         {QStringLiteral("txtNci(64)")}},
        {QStringLiteral("F:0/C:3:44"),
         3,
         [](const QString& old) { return QStringLiteral("7") + old.mid(old.indexOf(QLatin1Char(','))); },
         // The demo's row T4 drives the occupancy sensor: on a switch object its function and LED
         // codes mean something else, so their controls are marked too.
         {QStringLiteral("txtNcielement(3)"), QStringLiteral("cmb_device(3)"),
          QStringLiteral("cmb_function(3)"), QStringLiteral("cmb_led(3)"), QStringLiteral("txtNciscene(3)"),
          QStringLiteral("txtNci(2)")}},
        {QStringLiteral("F:0/C:3:47"),
         1,
         [](const QString&) { return QStringLiteral("12"); },
         {QStringLiteral("txtNci(103)"), QStringLiteral("txtNci(6)")}},
    };
    ASSERT_TRUE(markedFields().isEmpty()) << markedFields().join(QLatin1Char(' ')).toStdString();

    // The file of the device itself changes nothing.
    load(save());
    EXPECT_TRUE(markedFields().isEmpty()) << markedFields().join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(controls().cmdApply->isEnabled());

    // A file saved after the device had three other values, loaded once it has its own again.
    QStringList expected;
    QStringList original;
    for (const Change& change : changes) {
        original.append(demo.value(Rou1, change.point, change.element));
        const QString changed = change.value(original.back());
        demo.admin.set(DemoSession::Network, Rou1, change.point, changed, change.element);
        ASSERT_NE(demo.value(Rou1, change.point, change.element), original.back())
            << change.point.toStdString();
        expected += change.marked;
    }
    reopen();
    const QString changedFile = dir.filePath(QStringLiteral("changed.par"));
    demo.ui.queueFileName(changedFile);
    controls().mnuParameter_speichern->trigger();
    for (qsizetype i = 0; i < changes.size(); ++i)
        demo.admin.set(DemoSession::Network, Rou1, changes.at(i).point, original.at(i),
                       changes.at(i).element);
    reopen();
    ASSERT_TRUE(markedFields().isEmpty()) << markedFields().join(QLatin1Char(' ')).toStdString();

    load(changedFile);
    expected.sort();
    EXPECT_EQ(markedFields(), expected);
    EXPECT_TRUE(controls().cmdApply->isEnabled());
    EXPECT_TRUE(controls().cmdCancel->isEnabled());
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

} // namespace
