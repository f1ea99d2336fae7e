#include "DemoPlatform.h"
#include "ErrorProbe.h"
#include "host/object_server/Error.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using error_probe::number;
using error_probe::text;

namespace {

QString writeFile(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

} // namespace

TEST(SimTemplates, FoundByProgramIdAndByName)
{
    DemoPlatform platform;
    const auto templates = platform.system().deviceTemplates();
    EXPECT_EQ(templates->count(), 3);
    const auto variant06 = templates->findByProgramId(QStringLiteral("9FFF3C0A00060417"));
    EXPECT_EQ(variant06->name(), QStringLiteral("Korvandel zep31_06"));
    EXPECT_EQ(templates->item(QStringLiteral("Korvandel zep31_05"))->programId(),
              QStringLiteral("9FFF3C0A0006040F"));
    EXPECT_EQ(number([&] { templates->findByProgramId(QStringLiteral("9FFF3C0A00060414")); }),
              lns::errors::NotFound);

    const auto devices = variant06->devices();
    ASSERT_EQ(devices->count(), 4);
    EXPECT_EQ(devices->item(1)->name(), QStringLiteral("ROU_1"));
    EXPECT_EQ(devices->item(4)->name(), QStringLiteral("ROU_5"));
    EXPECT_EQ(devices->item(QStringLiteral("ROU_4"))->subsystems()->item(1)->name(), QStringLiteral("F2"));

    const auto blocks = variant06->lonMarkObjects();
    EXPECT_EQ(blocks->count(), 12);
    EXPECT_EQ(blocks->item(QStringLiteral("Switch[3]"))->configProperties()->count(), 6);
    EXPECT_EQ(blocks->item(1)->configProperties()->item(QStringLiteral("UCPTdeviceType"))->value(),
              QStringLiteral("12"));
    EXPECT_EQ(number([&] { blocks->item(1)->configProperties()->item(1)->setValue(QStringLiteral("1")); }),
              lns::errors::NotSupported);
}

TEST(SimTemplates, DevicesByPositionInAnyOrder)
{
    DemoPlatform platform;
    // A device added later sits between the subsystems' devices in the template's order.
    platform.admin().addDevice(QStringLiteral("Demo"), QStringLiteral("F1"), QStringLiteral("ROU_7"),
                               QStringLiteral("Korvandel zep31_06"), QString());
    const auto devices =
        platform.system().deviceTemplates()->findByProgramId(QStringLiteral("9FFF3C0A00060417"))->devices();
    const auto name = [&devices](int position) { return devices->item(position)->name(); };
    // Forwards, repeated, backwards and jumping: each position names the same device.
    const QList<int> order{1, 2, 3, 4, 5, 5, 4, 2, 3, 1, 5, 2};
    const QStringList expected{QStringLiteral("ROU_1"), QStringLiteral("ROU_2"), QStringLiteral("ROU_4"),
                               QStringLiteral("ROU_5"), QStringLiteral("ROU_7")};
    for (const int position : order)
        EXPECT_EQ(name(position), expected.at(position - 1)) << position;
    EXPECT_EQ(number([&] { devices->item(6); }), lns::errors::NotFound);
    EXPECT_EQ(name(1), QStringLiteral("ROU_1"));
}

TEST(SimTemplates, AddImportAndRemove)
{
    DemoPlatform platform;
    const auto templates = platform.system().deviceTemplates();
    const auto added = templates->add(QStringLiteral("Korvandel zep31_14"), 1);
    EXPECT_EQ(added->programId(), QString());
    EXPECT_EQ(added->lonMarkObjects()->count(), 0);
    EXPECT_EQ(number([&] { templates->add(QStringLiteral("korvandel ZEP31_14"), 1); }),
              lns::errors::AlreadyExists);

    // The program ID already belongs to another template.
    const QString variant06 = platform.home() + QStringLiteral("\\Import\\Korvandel\\zep31\\zep31_06.xif");
    EXPECT_EQ(number([&] { added->importXif(variant06); }), lns::errors::AlreadyExists);

    QFile source(platform.home() + QStringLiteral("/Import/Korvandel/zep31/zep31_06.xif"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray interface14 = source.readAll().replace("9FFF3C0A00060417", "9FFF3C0A00060414");
    added->importXif(writeFile(platform.home(), QStringLiteral("zep31_14.xif"), interface14));
    EXPECT_EQ(added->programId(), QStringLiteral("9FFF3C0A00060414"));
    EXPECT_EQ(added->lonMarkObjects()->count(), 12);
    EXPECT_EQ(templates->findByProgramId(QStringLiteral("9FFF3C0A00060414"))->name(),
              QStringLiteral("Korvandel zep31_14"));

    EXPECT_EQ(number([&] { templates->remove(QStringLiteral("Korvandel zep31_06")); }),
              lns::errors::NotSupported);
    templates->remove(QStringLiteral("Korvandel zep31_14"));
    EXPECT_EQ(templates->count(), 3);
    EXPECT_EQ(number([&] { added->name(); }), lns::errors::NotFound);
    EXPECT_EQ(number([&] { templates->remove(QStringLiteral("Korvandel zep31_14")); }),
              lns::errors::NotFound);
}

TEST(SimTemplates, MalformedInterfaceFilesAreRefusedWithTheirLine)
{
    DemoPlatform platform;
    const auto added = platform.system().deviceTemplates()->add(QStringLiteral("Broken"), 1);
    const QString badType = writeFile(platform.home(), QStringLiteral("bad.xif"),
                                      "program-id 9000000000000001\nblock 0 NodeObject 0\n"
                                      "nv 1 nviX input SNVT_unknown\n");
    EXPECT_EQ(number([&] { added->importXif(badType); }), lns::errors::BadArgument);
    EXPECT_TRUE(text([&] { added->importXif(badType); }).contains(QStringLiteral("line 3")));
    const QString badDefault = writeFile(platform.home(), QStringLiteral("default.xif"),
                                         "program-id 9000000000000001\nblock 0 NodeObject 0\n"
                                         "cp block:0 0:49 SCPTmaxSendTime SNVT_time_sec 1 abc\n");
    EXPECT_EQ(number([&] { added->importXif(badDefault); }), lns::errors::BadArgument);
    const QString badOwner = writeFile(platform.home(), QStringLiteral("owner.xif"),
                                       "program-id 9000000000000001\n"
                                       "cp nv:7 0:49 SCPTmaxSendTime SNVT_time_sec 1 0.0\n");
    EXPECT_TRUE(text([&] { added->importXif(badOwner); }).contains(QStringLiteral("NV 7")));
    EXPECT_EQ(number([&] { added->importXif(platform.home() + QStringLiteral("/missing.xif")); }),
              lns::errors::NotFound);
    EXPECT_EQ(added->programId(), QString());
}

TEST(SimTemplates, DevicesByProgramIdGetTheirTemplateFromTheImportFolder)
{
    DemoPlatform platform;
    lnssim::PlatformAdmin& admin = platform.admin();
    admin.addNetwork(QStringLiteral("Plant"));
    admin.addSubsystem(QStringLiteral("Plant"), QStringLiteral("Hall"));
    admin.addDevice(QStringLiteral("Plant"), QStringLiteral("Hall"), QStringLiteral("ROU_A"), QString(),
                    QStringLiteral("9FFF3C0A00060417"));
    admin.addDevice(QStringLiteral("Plant"), QStringLiteral("Hall"), QStringLiteral("ROU_B"), QString(),
                    QStringLiteral("9FFF3C0A00060417"));
    EXPECT_EQ(admin.devices(QStringLiteral("Plant")).size(), 2);
    EXPECT_TRUE(admin.devices(QStringLiteral("Plant"))[0].startsWith(
        QStringLiteral("Hall/ROU_A, 9FFF3C0A00060417, 4, yes, ")));

    const auto plant = platform.server().networks()->item(QStringLiteral("Plant"));
    plant->open();
    const auto system = plant->systems()->item(1);
    system->open();
    EXPECT_EQ(system->deviceTemplates()->count(), 1);
    EXPECT_EQ(system->deviceTemplates()->item(1)->name(), QStringLiteral("Korvandel zep31_06"));
    EXPECT_EQ(system->subsystems()->item(1)->path(), QStringLiteral("Hall"));

    EXPECT_EQ(number([&] {
                  admin.addDevice(QStringLiteral("Plant"), QStringLiteral("Hall"), QStringLiteral("X"),
                                  QString(), QStringLiteral("0123456789ABCDEF"));
              }),
              lns::errors::NotFound);
    EXPECT_EQ(number([&] {
                  admin.addDevice(QStringLiteral("Plant"), QStringLiteral("Hall"), QStringLiteral("ROU_A"),
                                  QStringLiteral("Korvandel zep31_06"), QString());
              }),
              lns::errors::AlreadyExists);
    EXPECT_EQ(number([&] {
                  admin.addDevice(QStringLiteral("Plant"), QStringLiteral("Hall"), QStringLiteral("Y"),
                                  QStringLiteral("Korvandel zep31_06"), QStringLiteral("9FFF3C0A00060417"));
              }),
              lns::errors::BadArgument);
}

TEST(SimTemplates, EveryBrokenRuleOfTheInterfaceFormatIsNamed)
{
    DemoPlatform platform;
    const auto added = platform.system().deviceTemplates()->add(QStringLiteral("Broken"), 1);
    const QByteArray head = "program-id 9000000000000001\nblock 0 NodeObject 0\n";
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"block 0 NodeObject 0\n", QStringLiteral("no program-id")},
        {"program-id 9000\n", QStringLiteral("16 hexadecimal digits")},
        {head + "program-id 9000000000000002\n", QStringLiteral("second program ID")},
        {head + "block 2 Switch 1\n", QStringLiteral("out of order")},
        {head + "nv 1 a input SNVT_count\nnv 1 b input SNVT_count\n", QStringLiteral("declared twice")},
        {head + "nv 1 a sideways SNVT_count\n", QStringLiteral("neither input nor output")},
        {head + "nv x a input SNVT_count\n", QStringLiteral("is not a number")},
        {head + "cp block:0 0:49 A SNVT_count 3 1;2\n", QStringLiteral("2 defaults for 3 elements")},
        {head + "cp block:0 0:49 A SNVT_count 1 1\ncp block:0 0:49 B SNVT_count 1 1\n",
         QStringLiteral("declared twice")},
        {head + "cp shelf:0 0:49 A SNVT_count 1 1\n", QStringLiteral("none of block:B, nv:N, device")},
        {head + "cp block:4 0:49 A SNVT_count 1 1\n", QStringLiteral("block 4 is not declared")},
        {head + "cp block:0 0-49 A SNVT_count 1 1\n", QStringLiteral("SCOPE:INDEX")},
        {head + "cp block:0 0:49 A SNVT_count 1\n", QStringLiteral("incomplete")},
        {head + "wire 1 2\n", QStringLiteral("unknown declaration")},
    };
    for (const auto& [content, problem] : cases) {
        const QString path = writeFile(platform.home(), QStringLiteral("case.xif"), content);
        const QString description = text([&] { added->importXif(path); });
        EXPECT_TRUE(description.contains(problem)) << description.toStdString();
    }
    EXPECT_EQ(added->programId(), QString());
}
