#include "device/ui/MainWindow.h"
#include "editors/ui/Editors.h"
#include "support/DemoSession.h"
#include "ui/ChangeMarker.h"
#include "ui/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using change_marker::isMarked;

const QString Rou1 = QStringLiteral("F1/ROU_1");

// The main window on the demo network with the user's decimal separator, shown before the device
// is opened as the director does, so every change handler runs while the device is read.
class EditorWindowTest : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        window->show();
        open(Rou1);
    }

    void open(const QString& path) { demo.open(*window, path); }

    QString separator() const { return GetParam(); }
    // A number written with the user's separator: "0.5" becomes "0,5" on a comma system.
    QString n(const char* text) const
    {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), separator());
    }
    MainControls& c() { return window->controls(); }

    void retype(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    static void focusOut(QWidget* field)
    {
        QFocusEvent event(QEvent::FocusOut);
        QApplication::sendEvent(field, &event);
    }
    static void focusIn(QWidget* field)
    {
        QFocusEvent event(QEvent::FocusIn);
        QApplication::sendEvent(field, &event);
    }
    bool applyEnabled() { return c().cmdApply->isEnabled() && c().cmdCancel->isEnabled(); }

    // Every control that carries a mark.
    QStringList markedControls()
    {
        QStringList marked;
        const auto collect = [&marked](const auto& array) {
            for (const auto& [index, control] : array.items())
                if (isMarked(control))
                    marked.append(control->objectName());
        };
        collect(c().txtNci);
        collect(c().txtNcielement);
        collect(c().txtNvi);
        collect(c().txtNciscene);
        collect(c().txtdate);
        collect(c().txttime);
        collect(c().cmb_time);
        collect(c().cmb_nci);
        collect(c().cmb_device);
        collect(c().cmb_function);
        collect(c().cmb_led);
        collect(c().cmb_nvi);
        collect(c().UCPTdisplConfig);
        return marked;
    }

    DemoSession demo{QStringLiteral("english"), GetParam()};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

INSTANTIATE_TEST_SUITE_P(Separators, EditorWindowTest,
                         ::testing::Values(QStringLiteral(","), QStringLiteral(".")));

TEST_P(EditorWindowTest, FreshlyOpenedDevicesHaveNoFieldMarked)
{
    for (const char* path : {"F1/ROU_1", "F1/ROU_2", "F2/ROU_4", "F2/ROU_5", "F2/ROU_6"}) {
        open(QString::fromLatin1(path));
        EXPECT_EQ(markedControls(), QStringList()) << path;
        EXPECT_FALSE(c().cmdApply->isEnabled()) << path;
        EXPECT_FALSE(c().cmdCancel->isEnabled()) << path;
    }
}

TEST_P(EditorWindowTest, TypingMarksAndTypingTheDeviceValueBackUnmarks)
{
    QLineEdit* maxOut = c().txtNci(7);
    const QString device = maxOut->text();
    retype(maxOut, QStringLiteral("42"));
    EXPECT_TRUE(isMarked(maxOut));
    EXPECT_TRUE(applyEnabled());
    // The field takes digits only; the device writes its whole number with decimals.
    retype(maxOut, device.section(separator(), 0, 0));
    EXPECT_FALSE(isMarked(maxOut));
    EXPECT_FALSE(applyEnabled());

    // A whole number equals the device's value written with decimals.
    demo.points.cp(60).value = n("21.0");
    retype(c().txtNci(60), QStringLiteral("21"));
    EXPECT_FALSE(isMarked(c().txtNci(60)));
}

TEST_P(EditorWindowTest, KeyFiltersKeepNumbersNumbers)
{
    const struct
    {
        int index;
        QString typed;
        QString expected;
    } cases[] = {
        {7, QStringLiteral("1a2b"), QStringLiteral("12")}, // MaxOut: digits only
        {7, QStringLiteral("-1") + separator() + QStringLiteral("5"), QStringLiteral("15")},
        {59, QStringLiteral("-5") + separator() + QStringLiteral("-5"), n("-5.5")}, // one sign, one separator
        {9, n("1.2.3"), n("1.23")},
        {8, QStringLiteral("1234567890123"), QStringLiteral("123456789012")}, // twelve characters
    };
    for (const auto& test : cases) {
        retype(c().txtNci(test.index), test.typed);
        EXPECT_EQ(c().txtNci(test.index)->text(), test.expected) << test.typed.toStdString();
    }
    // The other separator is refused: "12.5" is never read as 125 on a comma system.
    const QString other = separator() == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    retype(c().txtNci(58), QStringLiteral("1") + other + QStringLiteral("5"));
    EXPECT_EQ(c().txtNci(58)->text(), QStringLiteral("15"));
}

TEST_P(EditorWindowTest, LoadedTextsAreNeverCutAndUnreadableTextsGoBack)
{
    // Longer than twelve characters from a file or the device: kept whole.
    demo.points.cp(8).value = QStringLiteral("1234567890123");
    c().txtNci(8)->setText(QStringLiteral("1234567890123"));
    EXPECT_EQ(c().txtNci(8)->text(), QStringLiteral("1234567890123"));
    EXPECT_FALSE(isMarked(c().txtNci(8)));

    // A pasted text that is no number goes back to the device's value.
    const QString device = c().txtNci(12)->text();
    c().txtNci(12)->setText(QStringLiteral("abc"));
    EXPECT_EQ(c().txtNci(12)->text(), device);
    EXPECT_FALSE(isMarked(c().txtNci(12)));

    // Empty becomes 0 at once.
    c().txtNci(12)->clear();
    EXPECT_EQ(c().txtNci(12)->text(), QStringLiteral("0"));
}

TEST_P(EditorWindowTest, SignAndSeparatorAloneAreIncompleteUntilLeft)
{
    QLineEdit* offset = c().txtNci(59);
    retype(offset, QStringLiteral("-"));
    EXPECT_EQ(offset->text(), QStringLiteral("-"));
    EXPECT_TRUE(isMarked(offset));
    QTest::keyClick(offset, Qt::Key_5);
    EXPECT_EQ(offset->text(), QStringLiteral("-5"));
    retype(offset, separator());
    focusOut(offset);
    EXPECT_EQ(offset->text(), QStringLiteral("0"));
}

TEST_P(EditorWindowTest, ReferenceThatIsNoNumberIsComparedAsText)
{
    // A CP the device lacks has no value; typing must neither loop nor go back to nothing.
    demo.points.cp(59).value = QString();
    retype(c().txtNci(59), QStringLiteral("3"));
    EXPECT_EQ(c().txtNci(59)->text(), QStringLiteral("3"));
    EXPECT_TRUE(isMarked(c().txtNci(59)));
    c().txtNci(59)->setText(QStringLiteral("x"));
    EXPECT_EQ(c().txtNci(59)->text(), QStringLiteral("x"));
}

TEST_P(EditorWindowTest, LeavingAFieldClampsToItsLimits)
{
    const struct
    {
        int index;
        const char* typed;
        const char* settled;
    } cases[] = {
        {8, "7000", "6500"}, {59, "-25", "-20"}, {7, "101", "100"}, {4, "1000", "1000"}, {103, "250", "100"}};
    for (const auto& test : cases) {
        retype(c().txtNci(test.index), QString::fromLatin1(test.typed));
        focusOut(c().txtNci(test.index));
        EXPECT_EQ(c().txtNci(test.index)->text(), QString::fromLatin1(test.settled)) << test.index;
    }
}

TEST_P(EditorWindowTest, UpDownStepsWithTheFieldsStep)
{
    const struct
    {
        int index;
        const char* from;
        UpDown::Direction direction;
        const char* to;
    } cases[] = {
        {10, "99.8", UpDown::Direction::Up, "100"}, {9, "0.05", UpDown::Direction::Down, "0"},
        {9, "0.2", UpDown::Direction::Up, "0.3"},   {59, "-19.95", UpDown::Direction::Down, "-20"},
        {8, "6500", UpDown::Direction::Up, "6500"}, {64, "5", UpDown::Direction::Down, "4"},
    };
    for (const auto& test : cases) {
        c().txtNci(test.index)->setText(n(test.from));
        window->editors().cps().UpD_nci_Click(test.index, test.direction);
        EXPECT_EQ(c().txtNci(test.index)->text(), n(test.to)) << test.index << " " << test.from;
    }
    // The offset range steps by the step value field.
    c().txtNci(62)->setText(n("0.5"));
    c().txtNci(61)->setText(QStringLiteral("2"));
    window->editors().cps().UpD_nci_Click(61, UpDown::Direction::Up);
    EXPECT_EQ(c().txtNci(61)->text(), n("2.5"));
}

TEST_P(EditorWindowTest, HeldArrowRepeatsOnTimerTicksUntilReleased)
{
    c().tabData->setCurrentIndex(6);
    UpDown* arrows = c().UpD_nci(64);
    QLineEdit* field = c().txtNci(64);
    field->setText(QStringLiteral("10"));
    QTest::mousePress(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 2));
    // The press itself is the first step; the timer repeats it.
    EXPECT_EQ(field->text(), QStringLiteral("11"));
    const AutoRepeat& repeat = window->editors().cps().autoRepeat();
    ASSERT_TRUE(repeat.isRunning());
    EXPECT_EQ(repeat.timer().interval(), 250);
    EXPECT_TRUE(QTest::qWaitFor([field] { return field->text().toInt() >= 13; }, 10000));
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 2));
    EXPECT_FALSE(repeat.isRunning());
    EXPECT_TRUE(isMarked(field));
}

TEST_P(EditorWindowTest, RepeatStopsWhenTheReleaseMayNeverCome)
{
    c().tabData->setCurrentIndex(6);
    UpDown* arrows = c().UpD_nci(64);
    const AutoRepeat& repeat = window->editors().cps().autoRepeat();
    const QPoint down(arrows->width() / 2, arrows->height() - 2);
    const std::function<void()> interruptions[] = {
        [&] { QTest::mouseMove(arrows, QPoint(arrows->width() * 2, down.y())); },
        [&] { arrows->setEnabled(false); },
        [&] { arrows->hide(); },
        [&] { focusOut(arrows); },
    };
    for (const auto& interrupt : interruptions) {
        SCOPED_TRACE(&interrupt - interruptions);
        arrows->setEnabled(true);
        arrows->show();
        QTest::mousePress(arrows, Qt::LeftButton, {}, down);
        ASSERT_TRUE(repeat.isRunning());
        EXPECT_EQ(repeat.direction(), UpDown::Direction::Down);
        interrupt();
        EXPECT_FALSE(repeat.isRunning());
        QTest::mouseRelease(arrows, Qt::LeftButton, {}, down);
    }
}

TEST_P(EditorWindowTest, ModalBoxThatTookTheReleaseStopsTheRepeat)
{
    c().tabData->setCurrentIndex(6);
    UpDown* arrows = c().UpD_nci(64);
    const QPoint up(arrows->width() / 2, 2);
    QTest::mousePress(arrows, Qt::LeftButton, {}, up);
    QDialog box(window.get());
    box.setModal(true);
    box.show();
    // The next tick finds the box and stops instead of stepping on underneath it.
    const QString before = c().txtNci(64)->text();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->editors().cps().autoRepeat().isRunning(); }, 10000));
    EXPECT_EQ(c().txtNci(64)->text(), before);
    box.close();
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, up);
}

TEST_P(EditorWindowTest, EditingAnInputWhileMonitoringHoldsItsNv)
{
    c().chkMonitor->setChecked(true);
    const std::shared_ptr<lns::NetworkVariable> spaceTemp =
        window->session().nvCollection->item(demo.points.nvi(9).nvIndex);
    const std::shared_ptr<lns::NetworkVariable> unitStatus =
        window->session().nvCollection->item(demo.points.nvi(12).nvIndex);
    spaceTemp->setHold(false);
    unitStatus->setHold(false);
    QTest::keyClick(c().txtNvi(9), Qt::Key_A);
    EXPECT_TRUE(spaceTemp->hold());
    QTest::keyClick(c().txtNvi(73), Qt::Key_1);
    EXPECT_TRUE(unitStatus->hold());

    c().chkMonitor->setChecked(false);
    spaceTemp->setHold(false);
    c().cmd_Nvi_Reset(9)->click();
    EXPECT_FALSE(spaceTemp->hold());
}

TEST_P(EditorWindowTest, ButtonRowPicksWriteTheirByteAndMarkTheRow)
{
    QLineEdit* element = c().txtNcielement(5);
    const QString device = element->text();
    element->setText(QStringLiteral("0,1,1,0"));
    c().cmb_function(5)->setCurrentIndex(9);
    emit c().cmb_function(5)->activated(9);
    EXPECT_EQ(element->text(), QStringLiteral("0,a,1,0"));
    c().cmb_device(5)->setCurrentIndex(9);
    emit c().cmb_device(5)->activated(9);
    // Occupancy sensor: the list is refilled; function code 10 has no entry there, so the first
    // entry is chosen and marked.
    EXPECT_EQ(element->text(), QStringLiteral("9,1,1,0"));
    EXPECT_EQ(c().cmb_function(5)->count(), 4);
    EXPECT_EQ(c().cmb_function(5)->currentIndex(), 0);
    EXPECT_TRUE(isMarked(c().cmb_function(5)));
    EXPECT_TRUE(isMarked(element));
    EXPECT_TRUE(isMarked(c().cmb_device(5)));
    EXPECT_TRUE(applyEnabled());

    element->setText(device);
    EXPECT_FALSE(isMarked(element));
    EXPECT_FALSE(isMarked(c().cmb_device(5)));
    EXPECT_FALSE(applyEnabled());
}

TEST_P(EditorWindowTest, AnotherObjectKeepsOnlyTheCodesItKnowsAndMarksWhatItReadsAnew)
{
    const struct
    {
        const char* device;
        int object;
        const char* written;
        int function;
        int led;
    } cases[] = {
        // Switch "A Blind Up", LED 5, to the SCC module: neither code exists there.
        {"0,a,5,0", 10, "a,1,1,0", 0, 0},
        // Function 3 and LED 2 exist for the occupancy sensor, but mean something else there.
        {"0,3,2,0", 9, "9,3,2,0", 2, 1},
        // The scene panel takes the function byte as its scene number; code 0 names no scene.
        {"0,0,1,0", 8, "8,1,1,0", -1, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.device);
        demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(2).id, QString::fromLatin1(test.device), 6);
        open(Rou1);
        c().cmb_device(6)->setCurrentIndex(test.object);
        emit c().cmb_device(6)->activated(test.object);
        EXPECT_EQ(c().txtNcielement(6)->text(), QString::fromLatin1(test.written));
        if (test.function >= 0) {
            EXPECT_EQ(c().cmb_function(6)->currentIndex(), test.function);
        }
        EXPECT_EQ(c().cmb_led(6)->currentIndex(), test.led);
        EXPECT_TRUE(isMarked(c().cmb_function(6)) && isMarked(c().txtNciscene(6)) &&
                    isMarked(c().cmb_led(6)));
    }
    // Another switch object reads the codes alike: only the object is marked.
    demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(2).id, QStringLiteral("0,3,2,0"), 6);
    open(Rou1);
    c().cmb_device(6)->setCurrentIndex(4);
    emit c().cmb_device(6)->activated(4);
    EXPECT_EQ(c().txtNcielement(6)->text(), QStringLiteral("4,3,2,0"));
    EXPECT_TRUE(isMarked(c().cmb_device(6)));
    EXPECT_FALSE(isMarked(c().cmb_function(6)) || isMarked(c().cmb_led(6)));
}

TEST_P(EditorWindowTest, RefillsAndSelectionsNeverWriteTheElement)
{
    QLineEdit* element = c().txtNcielement(4);
    element->setText(QStringLiteral("9,3,2,0"));
    // A refill emits index changes (-1, 0, -1) but is no pick.
    QComboBox* functions = c().cmb_function(4);
    const QStringList entries = [&] {
        QStringList all;
        for (int k = 0; k < functions->count(); ++k)
            all.append(functions->itemText(k));
        return all;
    }();
    functions->clear();
    functions->addItems(entries);
    functions->setCurrentIndex(-1);
    EXPECT_EQ(element->text(), QStringLiteral("9,3,2,0"));
    // Re-picking the selected entry changes nothing.
    c().cmb_led(4)->setCurrentIndex(1);
    emit c().cmb_led(4)->activated(1);
    EXPECT_EQ(element->text(), QStringLiteral("9,3,2,0"));
}

TEST_P(EditorWindowTest, ElementEditKeepingEveryListIsStillMarked)
{
    QLineEdit* element = c().txtNcielement(5);
    QStringList bytes = element->text().split(QLatin1Char(','));
    bytes[3] = QStringLiteral("7");
    retype(element, bytes.join(QLatin1Char(',')));
    EXPECT_TRUE(isMarked(element));
    EXPECT_FALSE(isMarked(c().cmb_device(5)));
    EXPECT_TRUE(applyEnabled());
}

TEST_P(EditorWindowTest, MalformedElementIsNotOverwrittenByAPick)
{
    QLineEdit* element = c().txtNcielement(5);
    element->setText(QStringLiteral("zz"));
    c().cmb_device(5)->setCurrentIndex(3);
    emit c().cmb_device(5)->activated(3);
    EXPECT_EQ(element->text(), QStringLiteral("zz"));
    EXPECT_EQ(c().cmb_device(5)->currentIndex(), -1);
}

TEST_P(EditorWindowTest, SceneNumberSettlesOnLeaving)
{
    QLineEdit* element = c().txtNcielement(4);
    element->setText(QStringLiteral("8,c,2,0"));
    QLineEdit* scene = c().txtNciscene(4);
    EXPECT_EQ(scene->text(), QStringLiteral("12"));
    EXPECT_TRUE(c().cmb_function(4)->isHidden());
    retype(scene, QStringLiteral("3x0"));
    EXPECT_EQ(scene->text(), QStringLiteral("30"));
    EXPECT_EQ(element->text(), QStringLiteral("8,1e,2,0"));
    retype(scene, QStringLiteral("300"));
    focusOut(scene);
    EXPECT_EQ(element->text(), QStringLiteral("8,ff,2,0"));
    retype(scene, QString());
    focusOut(scene);
    EXPECT_EQ(element->text(), QStringLiteral("8,1,2,0"));
    // 0 names no scene: it is never written and becomes 1 on leaving.
    retype(scene, QStringLiteral("7"));
    retype(scene, QStringLiteral("0"));
    EXPECT_EQ(element->text(), QStringLiteral("8,7,2,0"));
    focusOut(scene);
    EXPECT_EQ(scene->text(), QStringLiteral("1"));
    EXPECT_EQ(element->text(), QStringLiteral("8,1,2,0"));
}

TEST_P(EditorWindowTest, FanStagesAreOnlyWhatTheListOffers)
{
    QLineEdit* stages = c().txtNci(63);
    EXPECT_TRUE(stages->isReadOnly());
    const QString device = stages->text();
    // A file's 5 is no count of the unit: the device's goes back in.
    for (const char* loaded : {"5", "0", "2.5", "-1"}) {
        stages->setText(QString::fromLatin1(loaded).replace(QLatin1Char('.'), separator()));
        EXPECT_EQ(stages->text(), device) << loaded;
    }
    EXPECT_FALSE(isMarked(stages));
    const int other = device == QLatin1String("1") ? 1 : 0;
    c().cmb_nci(63)->setCurrentIndex(other);
    emit c().cmb_nci(63)->activated(other);
    EXPECT_EQ(stages->text(), QString::number(other + 1));
    EXPECT_TRUE(isMarked(stages) && isMarked(c().cmb_nci(63)));
}

TEST_P(EditorWindowTest, FieldsOfWholeNumbersShowAndTakeWholeNumbersOnly)
{
    // The device sends MinSendTime of the room sensor with a decimal; the field shows the number.
    demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(57).id, n("30.0"));
    open(Rou1);
    QLineEdit* minSendTime = c().txtNci(57);
    EXPECT_EQ(minSendTime->text(), QStringLiteral("30"));
    EXPECT_FALSE(isMarked(minSendTime));
    // A fraction stays as it is: it is the device's value.
    minSendTime->setText(n("30.5"));
    EXPECT_EQ(minSendTime->text(), n("30.5"));

    // The separator is refused, and the description box says why.
    c().tabData->setCurrentIndex(6);
    focusIn(minSendTime);
    retype(minSendTime, QStringLiteral("12") + separator() + QStringLiteral("5"));
    EXPECT_EQ(minSendTime->text(), QStringLiteral("125"));
    EXPECT_TRUE(c().RTHinweis->toPlainText().endsWith(QStringLiteral("Whole numbers only.")));
    EXPECT_EQ(c().RTHinweis->toPlainText().count(QStringLiteral("Whole numbers only.")), 1);
    // A field that takes decimals says nothing of the kind.
    focusIn(c().txtNci(58));
    retype(c().txtNci(58), n("1.5"));
    EXPECT_FALSE(c().RTHinweis->toPlainText().contains(QStringLiteral("Whole numbers only.")));
}

TEST_P(EditorWindowTest, ChangedCheckBoxesShowTheirMarkOnTheirCaption)
{
    const auto red = [](const QWidget* caption) {
        return caption->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    };
    QCheckBox* roomTemperature = c().UCPTdisplConfig(0);
    roomTemperature->click();
    EXPECT_TRUE(red(c().lbldisplay(0)));
    roomTemperature->click();
    EXPECT_FALSE(red(c().lbldisplay(0)));

    // The temperature unit is one choice; its caption carries the mark of the hidden bit.
    EXPECT_TRUE(c().UCPTdisplConfig(4)->isHidden());
    EXPECT_TRUE(c().Unit(0)->text().isEmpty() && c().Unit(1)->text().isEmpty());
    c().Unit(c().Unit(0)->isChecked() ? 1 : 0)->click();
    EXPECT_TRUE(red(c().lbldisplay(4)));

    c().nviCmd_all(5)->click();
    EXPECT_TRUE(isMarked(c().nviCmd_all(5)));
    EXPECT_TRUE(red(c().lblNvi(21)));
    EXPECT_FALSE(isMarked(c().nviCmd_all(4)));
    c().cmdCancel->click();
    EXPECT_FALSE(isMarked(c().nviCmd_all(5)) || red(c().lblNvi(21)) || red(c().lbldisplay(4)));
}

TEST_P(EditorWindowTest, ArrayPropertiesShowTheirWholeValue)
{
    QStringList elements;
    for (int row = 0; row < 12; ++row)
        elements.append(c().txtNcielement(row)->text());
    auto* whole = window->findChild<QLineEdit*>(QStringLiteral("arrayValue2"));
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->text(), elements.join(QStringLiteral("; ")));
    EXPECT_TRUE(c().txtNci(2)->isHidden());
    EXPECT_FALSE(isMarked(whole));

    // An edit of the sixth element shows there and marks the whole value.
    const int otherLed = c().cmb_led(5)->currentIndex() == 0 ? 1 : 0;
    c().cmb_led(5)->setCurrentIndex(otherLed);
    emit c().cmb_led(5)->activated(otherLed);
    EXPECT_TRUE(isMarked(c().txtNcielement(5)));
    elements[5] = c().txtNcielement(5)->text();
    EXPECT_EQ(whole->text(), elements.join(QStringLiteral("; ")));
    EXPECT_EQ(isMarked(whole), isMarked(c().txtNcielement(5)));

    auto* backlight = window->findChild<QLineEdit*>(QStringLiteral("arrayValue6"));
    ASSERT_NE(backlight, nullptr);
    retype(c().txtNci(103), QStringLiteral("7"));
    EXPECT_EQ(backlight->text(), c().txtNci(102)->text() + QStringLiteral("; 7"));
    EXPECT_TRUE(isMarked(backlight));
}

TEST_P(EditorWindowTest, LedListsShowTheirLongestEntryWhole)
{
    // The longest LED texts: the scene panel's second and the occupancy sensor's third.
    c().txtNcielement(11)->setText(QStringLiteral("8,1,2,0"));
    c().txtNcielement(4)->setText(QStringLiteral("9,1,3,0"));
    c().tabData->setCurrentIndex(1);
    QApplication::processEvents();
    for (int row : {4, 11}) {
        QComboBox* led = c().cmb_led(row);
        QStyleOptionComboBox option;
        option.initFrom(led);
        const QRect text =
            led->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, led);
        EXPECT_GE(text.width(), led->fontMetrics().horizontalAdvance(led->currentText()))
            << led->currentText().toStdString();
    }
}

TEST_P(EditorWindowTest, DeviceTypePickShowsItsRows)
{
    c().cmb_nci(1)->setCurrentIndex(2);
    emit c().cmb_nci(1)->activated(2);
    EXPECT_EQ(c().txtNci(1)->text(), QStringLiteral("6"));
    EXPECT_FALSE(c().Frame8T1->isHidden());
    EXPECT_TRUE(c().Frame12T1->isHidden());
    EXPECT_TRUE(window->editorState().rows9to10Active);
    EXPECT_FALSE(window->editorState().rows11to12Active);
    EXPECT_TRUE(isMarked(c().txtNci(1)));
    EXPECT_TRUE(applyEnabled());
}

TEST_P(EditorWindowTest, TimeDisplayListsWriteTheirByte)
{
    c().txtNci(0)->setText(QStringLiteral("2,2,2,0"));
    c().cmb_time(0)->setCurrentIndex(1);
    emit c().cmb_time(0)->activated(1);
    EXPECT_EQ(c().txtNci(0)->text(), QStringLiteral("1,2,2,0"));
    c().cmb_time(2)->setCurrentIndex(0);
    emit c().cmb_time(2)->activated(0);
    EXPECT_EQ(c().txtNci(0)->text(), QStringLiteral("1,2,0,0"));
    EXPECT_TRUE(c().Frametime->isHidden());
    EXPECT_TRUE(c().txttime(1)->isHidden());
}

TEST_P(EditorWindowTest, DisplayItemsTwoAndThreeExcludeEachOtherOnAnyUserToggle)
{
    c().tabData->setCurrentIndex(2);
    c().txtNci(3)->setText(QStringLiteral("1 0 1 0 1 1 0 0 0 1 1 0 0 0 0 0"));
    // Space toggles without a pointer release; the rule applies all the same.
    QTest::keyClick(c().UCPTdisplConfig(3), Qt::Key_Space);
    EXPECT_EQ(c().txtNci(3)->text(), QStringLiteral("1 0 0 1 1 1 0 0 0 1 1 0 0 0 0 0"));
    EXPECT_FALSE(c().UCPTdisplConfig(2)->isChecked());
    // Loading both is shown as it is.
    c().txtNci(3)->setText(QStringLiteral("1 0 1 1 1 1 0 0 0 1 1 0 0 0 0 0"));
    EXPECT_TRUE(c().UCPTdisplConfig(2)->isChecked() && c().UCPTdisplConfig(3)->isChecked());
    // Fahrenheit clears item 4 only.
    QTest::mouseClick(c().Unit(1), Qt::LeftButton);
    EXPECT_EQ(c().txtNci(3)->text(), QStringLiteral("1 0 1 1 0 1 0 0 0 1 1 0 0 0 0 0"));
    EXPECT_FALSE(c().UCPTdisplConfig(4)->isChecked());
}

TEST_P(EditorWindowTest, NvInputsComposeAndMark)
{
    c().cmd_Nvi_Reset(10)->click();
    EXPECT_EQ(c().txtNvi(10)->text(), n("327.67"));
    EXPECT_EQ(isMarked(c().txtNvi(10)), demo.points.nvi(10).value != n("327.67"));
    c().cmd_Nvi_Reset(20)->click();
    EXPECT_EQ(c().txtNvi(20)->text(), n("163.835"));

    c().cmb_nvi(17)->setCurrentIndex(2);
    emit c().cmb_nvi(17)->activated(2);
    EXPECT_EQ(c().txtNvi(17)->text(), QStringLiteral("OC_BYPASS"));
    EXPECT_TRUE(isMarked(c().txtNvi(17)) && isMarked(c().cmb_nvi(17)));

    // List entries are copied with the user's separator, so the object server can read them.
    c().cmb_nvi(13)->setCurrentIndex(1);
    emit c().cmb_nvi(13)->activated(1);
    EXPECT_EQ(c().txtNvi(13)->text(), n("100.0 1"));
    EXPECT_EQ(c().cmb_nvi(13)->currentText(), QStringLiteral("100.0 1"));

    const QString bits = c().txtNvi(16)->text();
    c().nviCmd_all(5)->click();
    EXPECT_EQ(c().txtNvi(16)->text().at(10), QLatin1Char(bits.at(10) == QLatin1Char('1') ? '0' : '1'));
    EXPECT_EQ(c().txtNvi(16)->text().mid(14), bits.mid(14));

    retype(c().txtNvi(80), QStringLiteral("sc_recall"));
    focusOut(c().txtNvi(80));
    EXPECT_EQ(c().txtNvi(8)->text(), QStringLiteral("SC_RECALL ") + c().txtNvi(81)->text());
    EXPECT_TRUE(applyEnabled());
}

TEST_P(EditorWindowTest, UnitStatusFieldsKeepTheirEdits)
{
    QLineEdit* heat = c().txtNvi(71);
    retype(heat, n("55.5"));
    EXPECT_EQ(heat->text(), n("55.5"));
    EXPECT_EQ(c().txtNvi(12)->text().split(QLatin1Char(',')).value(1), QStringLiteral("55.500"));
    EXPECT_TRUE(isMarked(c().txtNvi(12)));
    EXPECT_TRUE(isMarked(heat));
    retype(heat, QStringLiteral("150"));
    focusOut(heat);
    EXPECT_EQ(heat->text(), n("0.000"));
    EXPECT_FALSE(isMarked(c().txtNvi(12)));
}

TEST_P(EditorWindowTest, UnitStatusWithOtherDecimalsIsShownAsItIs)
{
    // One decimal instead of three: splitting must not compose the value anew from the fields.
    const QString value = separator() == QLatin1String(",")
                              ? QStringLiteral("HVAC_HEAT,1,5,0,0,0,0,0,0,0,0,1")
                              : QStringLiteral("HVAC_HEAT,1.5,0.0,0.0,0.0,0.0,1");
    demo.points.nvi(12).value = value;
    c().txtNvi(12)->setText(value);
    EXPECT_EQ(c().txtNvi(12)->text(), QStringLiteral("HVAC_HEAT,1.5,0.0,0.0,0.0,0.0,1"));
    EXPECT_EQ(c().txtNvi(71)->text(), n("1.5"));
    EXPECT_EQ(c().txtNvi(76)->text(), QStringLiteral("1"));
    EXPECT_FALSE(isMarked(c().txtNvi(12)));
    EXPECT_FALSE(isMarked(c().txtNvi(71)));
    // Typed back after an edit, the value counts as the device's again.
    retype(c().txtNvi(71), QStringLiteral("2"));
    EXPECT_TRUE(isMarked(c().txtNvi(12)));
    retype(c().txtNvi(71), n("1.5"));
    EXPECT_FALSE(isMarked(c().txtNvi(12)));
    EXPECT_FALSE(applyEnabled());

    c().txtNvi(8)->setText(QStringLiteral("SC_STORE 7"));
    EXPECT_EQ(c().txtNvi(80)->text(), QStringLiteral("SC_STORE"));
    EXPECT_EQ(c().txtNvi(81)->text(), QStringLiteral("7"));
    EXPECT_EQ(c().txtNvi(8)->text(), QStringLiteral("SC_STORE 7"));
}

TEST_P(EditorWindowTest, DateAndTimeSettleAndCompose)
{
    QLineEdit* year = c().txtdate(1);
    retype(year, QStringLiteral("1999"));
    focusOut(year);
    EXPECT_EQ(year->text(), QStringLiteral("2006"));
    EXPECT_TRUE(c().txtNvi(25)->text().startsWith(QStringLiteral("2006/")));
    retype(c().txttime(2), QStringLiteral("75"));
    focusOut(c().txttime(2));
    EXPECT_EQ(c().txttime(2)->text(), QStringLiteral("0"));
    retype(c().txtdate(2), QStringLiteral("1a3"));
    EXPECT_EQ(c().txtdate(2)->text(), QStringLiteral("13"));
    EXPECT_TRUE(isMarked(c().txtNvi(25)));
    EXPECT_TRUE(isMarked(year));
}

TEST_P(EditorWindowTest, FocusShowsHelpAndEnterMovesToDeviceSelection)
{
    focusIn(c().txtNci(8));
    EXPECT_TRUE(c().RTHinweis->toPlainText().contains(QStringLiteral("SCPTmaxSendTime")));
    focusIn(c().txtNvi(71));
    EXPECT_TRUE(c().RTHinweis->toPlainText().contains(QStringLiteral("nviUnitStatus")));

    c().cmdGerAuswahl->setEnabled(true);
    window->activateWindow();
    c().tabData->setCurrentIndex(6);
    c().txtNci(64)->setFocus();
    QTest::keyClick(c().txtNci(64), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), c().cmdGerAuswahl);
}

} // namespace
