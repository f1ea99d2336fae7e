#include "host/RegistryKeys.h"
#include "support/DemoSession.h"
#include "transfer/RemainingTime.h"
#include "transfer/TransferState.h"
#include "transfer/ui/fStatus.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TransferStatusTest : public ::testing::Test
{
protected:
    void SetUp() override { demo.catalogue.LoadTexts(0); }

    fStatus& status()
    {
        if (!m_window)
            m_window = std::make_unique<fStatus>(demo.catalogue, transfer, nullptr, [this] { return now; });
        return *m_window;
    }
    QString text(const char* name) { return status().findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QProgressBar* bar(const char* name)
    {
        return status().findChild<QProgressBar*>(QString::fromLatin1(name));
    }

    DemoSession demo;
    TransferState transfer;
    qint64 now = 5'000'000;

private:
    std::unique_ptr<fStatus> m_window;
};

TEST_F(TransferStatusTest, ShowsItsTextsAtTheTopLeftWithoutBlocking)
{
    status().start(3, 65);
    EXPECT_TRUE(status().isVisible());
    EXPECT_FALSE(status().isModal());
    EXPECT_EQ(status().pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    EXPECT_EQ(status().windowTitle(), u"State"_s);
    EXPECT_EQ(text("lbl_St_Device"), u"Devices:"_s);
    EXPECT_EQ(text("lbl_St_Parameter"), u"Parameters:"_s);
    EXPECT_EQ(text("lbl_Zeit"), u"Remaining time:"_s);
    EXPECT_EQ(text("lblclose"), u"For canceling the data transfer please close the state-window."_s);
}

TEST(TransferStatusGerman, KeepsTheDesignedCaption)
{
    DemoSession demo(u"german"_s);
    demo.catalogue.LoadTexts(0);
    TransferState transfer;
    fStatus status(demo.catalogue, transfer, nullptr);
    EXPECT_EQ(status.windowTitle(), u"Status"_s);
    EXPECT_EQ(status.findChild<QLabel*>(u"lbl_St_Device"_s)->text(), u"Geraete:"_s);
    EXPECT_EQ(status.findChild<QLabel*>(u"lblclose"_s)->text(),
              u"Zum Abbrechen der Datenübertragung Status-Fenster schließen."_s);
}

TEST(TransferStatusTexts, ComeWithEachTransferInTheLanguageLoadedLast)
{
    // The main window builds the status window before it loads the texts.
    DemoSession demo(u"german"_s);
    TransferState transfer;
    fStatus status(demo.catalogue, transfer, nullptr);
    const auto text = [&status](const char* name) {
        return status.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    demo.catalogue.LoadTexts(0);
    status.start(2, 65);
    EXPECT_EQ(status.windowTitle(), u"Status"_s);
    EXPECT_EQ(text("lbl_St_Device"), u"Geraete:"_s);
    EXPECT_EQ(text("lbl_St_Parameter"), u"Parameter:"_s);
    EXPECT_EQ(text("lbl_Zeit"), u"verbleibende Zeit:"_s);

    demo.registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                             registry_keys::LanguageValue, u"english"_s);
    demo.catalogue.LoadTexts(0);
    status.start(2, 65);
    EXPECT_EQ(status.windowTitle(), u"State"_s);
    EXPECT_EQ(text("lbl_St_Device"), u"Devices:"_s);
    EXPECT_EQ(text("lblclose"), u"For canceling the data transfer please close the state-window."_s);
}

TEST_F(TransferStatusTest, CountersFollowTheTransfer)
{
    status().start(3, 65);
    status().setDevice(2);
    status().setParameter(7);
    EXPECT_EQ(bar("Progr_Devices")->maximum(), 3);
    EXPECT_EQ(bar("Progr_Devices")->value(), 2);
    EXPECT_EQ(text("Lbl_Devices"), u"2 / 3"_s);
    EXPECT_EQ(bar("Progr_Parameter")->maximum(), 65);
    EXPECT_EQ(bar("Progr_Parameter")->value(), 7);
    EXPECT_EQ(text("Lbl_Parameters"), u"7 / 65"_s);
}

// Device starts (milliseconds after the previous one) and the label at each start.
struct EstimateCase
{
    const char* name;
    int devices;
    std::vector<std::pair<qint64, const char*>> starts;
};

class TransferStatusEstimate : public TransferStatusTest, public ::testing::WithParamInterface<EstimateCase>
{
};

TEST_P(TransferStatusEstimate, IsThePreviousDevicesTimeForEveryDeviceLeft)
{
    const EstimateCase& given = GetParam();
    status().start(given.devices, 65);
    int device = 0;
    for (const auto& [elapsed, expected] : given.starts) {
        now += elapsed;
        status().setDevice(++device);
        EXPECT_EQ(text("lbl_time"), QString::fromLatin1(expected)) << "device " << device;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferStatusEstimate,
    ::testing::Values(EstimateCase{"ThreeDevices", 3, {{0, ""}, {20'000, "40 sec"}, {15'000, "15 sec"}}},
                      EstimateCase{"SameSecond", 3, {{0, ""}, {0, "2 sec"}, {400, "1 sec"}}},
                      EstimateCase{"Rounded", 4, {{0, ""}, {1'499, "3 sec"}, {1'500, "4 sec"}}},
                      EstimateCase{"OneDevice", 1, {{0, ""}}}),
    [](const ::testing::TestParamInfo<EstimateCase>& param) { return std::string(param.param.name); });

TEST_F(TransferStatusTest, ANewTransferStartsWithoutAnEstimate)
{
    status().start(2, 65);
    status().setDevice(1);
    now += 30'000;
    status().setDevice(2);
    ASSERT_EQ(text("lbl_time"), u"30 sec"_s);
    now += 60'000;
    status().start(2, 65);
    status().setDevice(1);
    EXPECT_EQ(text("lbl_time"), QString());
}

TEST_F(TransferStatusTest, ClosingCancelsAndOnlyHides)
{
    QPointer<fStatus> window = &status();
    status().start(3, 65);
    status().setDevice(1);
    EXPECT_TRUE(status().close());
    EXPECT_TRUE(transfer.transferCancelled);
    EXPECT_FALSE(status().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(window.isNull());
    // The transfer reaches its next check only after touching the window once more.
    status().setParameter(2);
    EXPECT_EQ(text("Lbl_Parameters"), u"2 / 65"_s);

    // The next transfer starts uncancelled in the same window.
    status().start(2, 65);
    EXPECT_FALSE(transfer.transferCancelled);
    EXPECT_TRUE(status().isVisible());
}

TEST_F(TransferStatusTest, TheTransfersOwnEndIsNoCancel)
{
    status().start(1, 65);
    status().setDevice(1);
    status().finish();
    EXPECT_FALSE(status().isVisible());
    EXPECT_FALSE(transfer.transferCancelled);
}

TEST(RemainingTimeTest, MeasuresOnTheMonotonicClockByDefault)
{
    RemainingTime estimate;
    EXPECT_FALSE(estimate.deviceStarted(5, 1).has_value());
    // Whole seconds, at least one, for each of the five devices left.
    const std::optional<qint64> seconds = estimate.deviceStarted(5, 1);
    ASSERT_TRUE(seconds.has_value());
    EXPECT_GE(*seconds, 5);
    EXPECT_EQ(*seconds % 5, 0);
}

} // namespace
