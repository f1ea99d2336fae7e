#include "device/EditorState.h"
#include "editors/support/PagesFixture.h"
#include "editors/ui/DeviceTypeLayout.h"
#include "host/MessageCatalogue.h"
#include "host/ui/ApplyControlTexts.h"
#include "ui/AccessibleNames.h"
#include "ui/UpDown.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <set>

namespace {

std::set<int> range(int first, int last)
{
    std::set<int> indices;
    for (int i = first; i <= last; ++i)
        indices.insert(i);
    return indices;
}

std::set<int> joined(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

template <typename W> std::set<int> indicesOf(const ControlArray<W>& array)
{
    std::set<int> indices;
    for (const auto& [index, control] : array.items())
        indices.insert(index);
    return indices;
}

template <typename W> std::set<int> indicesOf(const ControlArray<W>& array, const std::set<int>& wanted)
{
    std::set<int> present;
    for (int index : wanted) {
        if (array.contains(index))
            present.insert(index);
    }
    return present;
}

using PagesTest = PagesFixture;

TEST_F(PagesTest, TabsInOrderWithTheirCaptions)
{
    QStringList captions;
    for (int tab = 0; tab < tabs->count(); ++tab)
        captions << tabs->tabText(tab);
    const QStringList expected{
        QStringLiteral("Device"),      QStringLiteral("LED"),       QStringLiteral("Display"),
        QStringLiteral("Time / Date"), QStringLiteral("CMD Input"), QStringLiteral("CMD Output"),
        QStringLiteral("CMD Config"),  QStringLiteral("Switch 0"),  QStringLiteral("Switch 1"),
        QStringLiteral("Switch 2"),    QStringLiteral("Switch 3"),  QStringLiteral("Switch 4"),
        QStringLiteral("Switch 5"),    QStringLiteral("Switch 6"),  QStringLiteral("Switch 7"),
        QStringLiteral("Scene"),       QStringLiteral("Occupancy")};
    EXPECT_EQ(captions, expected);
    // Nothing is loaded yet, so no button drives an object and no function tab is on.
    for (int tab = 0; tab < 7; ++tab)
        EXPECT_TRUE(tabs->isTabVisible(tab)) << tab;
    for (int tab = 7; tab < 17; ++tab)
        EXPECT_FALSE(tabs->isTabVisible(tab)) << tab;
}

TEST_F(PagesTest, ControlArraysHoldExactlyTheirIndices)
{
    EXPECT_EQ(indicesOf(controls.txtNci), joined(range(0, 64), range(100, 103)));
    EXPECT_EQ(indicesOf(controls.UpD_nci),
              joined(joined(joined(range(4, 4), range(7, 62)), range(64, 64)), range(100, 103)));
    EXPECT_EQ(indicesOf(controls.txtNcielement), range(0, 11));
    EXPECT_EQ(indicesOf(controls.txtNvi), joined(joined(range(0, 25), range(70, 76)), range(80, 81)));
    EXPECT_EQ(indicesOf(controls.txtNvo), range(0, 22));
    EXPECT_EQ(indicesOf(controls.txtNciscene), range(0, 11));
    EXPECT_EQ(indicesOf(controls.txtdate), range(0, 3));
    EXPECT_EQ(indicesOf(controls.txttime), range(0, 3));
    EXPECT_EQ(indicesOf(controls.cmb_time), range(0, 3));
    EXPECT_EQ(indicesOf(controls.cmb_nci), (std::set<int>{1, 63}));
    EXPECT_EQ(indicesOf(controls.cmb_device), range(0, 11));
    EXPECT_EQ(indicesOf(controls.cmb_function), range(0, 11));
    EXPECT_EQ(indicesOf(controls.cmb_led), range(0, 11));
    EXPECT_EQ(indicesOf(controls.cmb_nvi), (std::set<int>{11, 13, 14, 15, 17, 18, 22}));
    EXPECT_EQ(indicesOf(controls.UCPTdisplConfig), range(0, 13));
    EXPECT_EQ(indicesOf(controls.Unit), range(0, 1));
    EXPECT_EQ(indicesOf(controls.nviCmd_all), range(0, 6));
    EXPECT_EQ(indicesOf(controls.cmd_Nvi_Reset), (std::set<int>{9, 10, 19, 20, 21, 24}));
    EXPECT_EQ(indicesOf(controls.lbldisplay), range(0, 13));
    EXPECT_EQ(indicesOf(controls.lblNctime), range(0, 11));
    EXPECT_EQ(indicesOf(controls.lblNcback), range(0, 3));
    EXPECT_EQ(indicesOf(controls.lblSection), range(0, 6));
    EXPECT_EQ(indicesOf(controls.lblButtonHeading), range(0, 1));
    EXPECT_EQ(indicesOf(controls.lblNc, {18, 19, 20, 22, 23}), (std::set<int>{18, 19, 20, 22, 23}));
    EXPECT_EQ(indicesOf(controls.lblNvi, range(18, 21)), range(18, 21));
}

// Tests and accessibility tools find each control by its name, so each name is one control.
TEST_F(PagesTest, EveryControlIsFoundByItsUniqueName)
{
    QSet<QString> names;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->objectName().contains(QLatin1Char('('))) {
            EXPECT_FALSE(names.contains(widget->objectName())) << widget->objectName().toStdString();
            names.insert(widget->objectName());
        }
    }
    EXPECT_EQ(root.findChild<QLineEdit*>(QStringLiteral("txtNci(60)")), controls.txtNci(60));
    EXPECT_EQ(root.findChild<UpDown*>(QStringLiteral("UpD_nci(103)")), controls.UpD_nci(103));
    EXPECT_EQ(root.findChild<QComboBox*>(QStringLiteral("cmb_function(11)")), controls.cmb_function(11));

    for (QWidget* single :
         {controls.Frametime, controls.FrameMenue, controls.Frame4T1, controls.Frame4T2, controls.Frame8T1,
          controls.Frame8T2, controls.Frame12T1, controls.Frame12T2, controls.FrameLED4, controls.FrameLED8,
          controls.FrameLED12, static_cast<QWidget*>(controls.menucheck),
          static_cast<QWidget*>(controls.lblMenucheck), static_cast<QWidget*>(controls.chkMonitor),
          static_cast<QWidget*>(controls.lbl_Monitoring), static_cast<QWidget*>(controls.txtPoll),
          static_cast<QWidget*>(controls.lblPolling), static_cast<QWidget*>(controls.cmd_Poll_ok)}) {
        ASSERT_NE(single, nullptr);
        EXPECT_EQ(root.findChild<QWidget*>(single->objectName()), single);
    }
}

TEST_F(PagesTest, DesignCaptionsAndInitialState)
{
    EXPECT_EQ(controls.lblNc(18)->text(), QStringLiteral("Sollwert [°C]:"));
    EXPECT_EQ(controls.lblNc(22)->text(), QStringLiteral("Gerätetyp:"));
    EXPECT_EQ(controls.lblNc(23)->text(), QStringLiteral("Anzahl Lüfterstufen:"));
    EXPECT_EQ(controls.lblNc(122)->text(), QStringLiteral("Step Value [%]:"));
    EXPECT_EQ(controls.lblNctime(4)->text(), QStringLiteral("Aktuallisierungsintervall [s]:"));
    EXPECT_EQ(controls.lblNvi(21)->text(), QStringLiteral("Symbol Fenster:"));
    EXPECT_EQ(controls.lblNvi(23)->text(), QStringLiteral("nviFanspeedCmd:"));
    EXPECT_EQ(controls.lblNvi(0)->text(), QStringLiteral("nviSwitchFb:"));
    EXPECT_EQ(controls.lblSection(4)->text(), QStringLiteral("Taster - LED"));
    EXPECT_EQ(controls.lblMenucheck->text(), QStringLiteral("Menütasten vorhanden:"));
    EXPECT_EQ(controls.cmd_Nvi_Reset(24)->text(), QStringLiteral("Reset"));
    EXPECT_EQ(controls.lblPolling->text(), QStringLiteral("Pollintervall [s]:"));
    EXPECT_EQ(controls.txtPoll->text(), QStringLiteral("5"));
    EXPECT_TRUE(controls.cmd_Poll_ok->isHidden());

    EXPECT_EQ(controls.cmb_time(2)->itemText(2), QStringLiteral("ohne Sekunde"));
    EXPECT_EQ(controls.cmb_time(3)->itemText(1), QStringLiteral("12-Stunden-Modus"));
    EXPECT_EQ(controls.cmb_device(7)->count(), 11);
    EXPECT_EQ(controls.cmb_device(7)->itemText(10), QStringLiteral("SCC Module"));
    EXPECT_EQ(controls.cmb_function(0)->itemText(11), QStringLiteral("C Automatik "));
    EXPECT_EQ(controls.cmb_nci(1)->itemText(4), QStringLiteral("12"));
    EXPECT_EQ(controls.cmb_nvi(11)->itemText(0), QStringLiteral("0.0 -1"));
    EXPECT_EQ(controls.cmb_nvi(17)->itemText(2), QStringLiteral("OC_BYPASS"));
    EXPECT_EQ(controls.cmb_nvi(18)->count(), 3);

    EXPECT_EQ(controls.UpD_nci(59)->minimum(), -20);
    EXPECT_EQ(controls.UpD_nci(59)->maximum(), 20);
    EXPECT_EQ(controls.UpD_nci(8)->maximum(), 6500);
    EXPECT_EQ(controls.UpD_nci(4)->maximum(), 1000);
    EXPECT_EQ(controls.UpD_nci(103)->maximum(), 100);

    // The hidden holders and carried unit status fields stay out of sight.
    EXPECT_TRUE(controls.txtdate(0)->isHidden());
    EXPECT_TRUE(controls.txttime(0)->isHidden());
    EXPECT_FALSE(controls.txtNvi(71)->isHidden());
    EXPECT_TRUE(controls.txtNvi(72)->isHidden());

    int pictures = 0;
    for (QLabel* picture : {controls.Image2T, controls.Image2T4, controls.Image4T, controls.Image4T4,
                            controls.Image6T, controls.Image6T4, controls.Image8T, controls.Image12T}) {
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
        pictures += picture->isHidden() ? 0 : 1;
    }
    EXPECT_EQ(pictures, 1);
}

TEST_F(PagesTest, EveryControlHasAnAccessibleName)
{
    const QSet<QString> singles{QStringLiteral("menucheck"), QStringLiteral("chkMonitor"),
                                QStringLiteral("txtPoll"), QStringLiteral("cmd_Poll_ok")};
    int named = 0;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const QString objectName = widget->objectName();
        const bool arrayControl =
            objectName.contains(QLatin1Char('(')) && !objectName.startsWith(QLatin1String("lbl"));
        if (!arrayControl && !singles.contains(objectName))
            continue;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << objectName.toStdString();
        ++named;
    }
    EXPECT_GT(named, 290);
    EXPECT_EQ(controls.txtNci(60)->accessibleName(), QStringLiteral("Sollwert [°C]"));
    EXPECT_EQ(controls.UpD_nci(60)->accessibleName(), QStringLiteral("Sollwert [°C]"));
    EXPECT_EQ(controls.cmb_function(2)->accessibleName(), QStringLiteral("T3 Tastenfunktion"));
    EXPECT_EQ(controls.cmb_led(11)->accessibleName(), QStringLiteral("T12 Taster - LED"));
    EXPECT_EQ(controls.txtNci(101)->accessibleName(), QStringLiteral("Ruhezustand Beschriftungsfeld"));
    EXPECT_EQ(controls.txtdate(2)->accessibleName(), QStringLiteral("Datum Monat"));
    EXPECT_EQ(controls.cmd_Nvi_Reset(9)->accessibleName(), QStringLiteral("Reset nviSpaceTemp"));
    EXPECT_EQ(controls.UCPTdisplConfig(4)->accessibleName(), QStringLiteral("Maßeinheit Temperatur °C °F"));
    EXPECT_EQ(controls.Unit(1)->accessibleName(), QStringLiteral("°F"));
}

TEST_F(PagesTest, ListsSpeakTheirRowsCaptionsAsTheirNameInTheUsersLanguage)
{
    const auto spoken = [](QComboBox* list, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(list)->text(text);
    };
    controls.cmb_device(2)->setCurrentIndex(3);
    EXPECT_EQ(spoken(controls.cmb_function(2), QAccessible::Name), QStringLiteral("T3 Tastenfunktion"));
    EXPECT_EQ(spoken(controls.cmb_device(2), QAccessible::Name), QStringLiteral("T3 Tastenzuordnung"));
    EXPECT_EQ(spoken(controls.cmb_device(2), QAccessible::Value), QStringLiteral("Switch-Object 3"));
    EXPECT_EQ(spoken(controls.cmb_time(3), QAccessible::Name), QStringLiteral("Uhrzeit 12 / 24 h"));

    applyControlTexts(&root, catalogue(QStringLiteral("english")).LoadTexts(0).controls);
    accessible_names::refresh(&root);
    EXPECT_EQ(spoken(controls.cmb_led(0), QAccessible::Name), QStringLiteral("T1 Button LED"));
    EXPECT_EQ(spoken(controls.cmb_nci(63), QAccessible::Name), QStringLiteral("Fan stages"));
    // Every list on the pages is named, whatever it shows.
    for (QComboBox* list : root.findChildren<QComboBox*>())
        EXPECT_FALSE(spoken(list, QAccessible::Name).isEmpty()) << list->objectName().toStdString();
}

TEST_F(PagesTest, EnglishCaptionsOfTheCatalogueReachThePageControls)
{
    const MessageCatalogue::WindowTexts texts = [this] {
        MessageCatalogue& english = catalogue(QStringLiteral("english"));
        return english.LoadTexts(0);
    }();
    const QSet<QString> shell{QStringLiteral("cmdApply"),           QStringLiteral("cmdCancel"),
                              QStringLiteral("cmdGerAuswahl"),      QStringLiteral("mnuOptionen"),
                              QStringLiteral("mnuParameter_laden"), QStringLiteral("mnuParameter_speichern"),
                              QStringLiteral("mnuDrucken"),         QStringLiteral("mnuExit"),
                              QStringLiteral("mnuHilfe"),           QStringLiteral("mnuBeschreibung")};
    int checked = 0;
    for (const ControlText& text : texts.controls) {
        if (text.window != QLatin1String("fMain") || text.control.isEmpty() || shell.contains(text.control))
            continue;
        QObject* target = root.findChild<QObject*>(text.control);
        ASSERT_NE(target, nullptr) << text.control.toStdString();
        if (text.kind == ControlText::Kind::Items)
            EXPECT_NE(qobject_cast<QComboBox*>(target), nullptr) << text.control.toStdString();
        else
            EXPECT_NE(qobject_cast<QLabel*>(target), nullptr) << text.control.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 50);

    controls.cmb_time(2)->setCurrentIndex(2);
    applyControlTexts(&root, texts.controls);
    accessible_names::refresh(&root);
    EXPECT_EQ(controls.lblNc(18)->text(), QStringLiteral("Setpoint [°C]:"));
    EXPECT_EQ(controls.lblSection(3)->text(), QStringLiteral("Date / Time "));
    EXPECT_EQ(controls.lblNvi(21)->text(), QStringLiteral("Symbol window"));
    EXPECT_EQ(controls.lblMenucheck->text(), QStringLiteral("Menu buttons available "));
    EXPECT_EQ(controls.lblPolling->text(), QStringLiteral("Pollinterval (s):"));
    EXPECT_EQ(controls.cmb_time(2)->currentText(), QStringLiteral("without seconds"));
    EXPECT_EQ(controls.txtNci(60)->accessibleName(), QStringLiteral("Setpoint [°C]"));
    EXPECT_EQ(controls.cmb_function(2)->accessibleName(), QStringLiteral("T3 Button Function"));
    EXPECT_EQ(controls.cmb_led(0)->accessibleName(), QStringLiteral("T1 Button LED"));
}

// At the window's default size the pages get about 980 x 450 pixels; the pages are laid out to
// fit there without scrolling.
TEST_F(PagesTest, PagesRenderAndFitTheDefaultWindow)
{
    // The largest layout: twelve buttons with all rows and their LEDs.
    EditorState twelve;
    applyDeviceType(controls, twelve, 12);
    root.resize(1000, 520);
    root.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&root));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setTabVisible(tab, true);
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        auto* page = qobject_cast<QScrollArea*>(tabs->widget(tab));
        ASSERT_NE(page, nullptr) << tab;
        const std::string caption = tabs->tabText(tab).toStdString();
        EXPECT_FALSE(page->grab().isNull()) << caption;
        EXPECT_FALSE(page->horizontalScrollBar()->isVisible()) << caption;
        EXPECT_FALSE(page->verticalScrollBar()->isVisible()) << caption;
        const QSize needed = page->widget()->minimumSizeHint();
        EXPECT_LE(needed.width(), 980) << caption;
        EXPECT_LE(needed.height(), 450) << caption;
    }
}

TEST(UpDownTest, ArrowsReportClicksPressesAndReleasesWithTheirDirection)
{
    UpDown upDown;
    upDown.setRange(-20, 20);
    upDown.resize(16, 22);
    QSignalSpy up(&upDown, &UpDown::upClicked);
    QSignalSpy down(&upDown, &UpDown::downClicked);
    QSignalSpy pressed(&upDown, &UpDown::pressed);
    QSignalSpy released(&upDown, &UpDown::released);

    QTest::mousePress(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
    QTest::mouseRelease(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
    QTest::mousePress(&upDown, Qt::LeftButton, {}, QPoint(8, 19));
    QTest::mouseRelease(&upDown, Qt::LeftButton, {}, QPoint(8, 19));
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 1);
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed.at(0).at(0).value<UpDown::Direction>(), UpDown::Direction::Up);
    EXPECT_EQ(pressed.at(1).at(0).value<UpDown::Direction>(), UpDown::Direction::Down);
    ASSERT_EQ(released.count(), 2);
    EXPECT_EQ(released.at(1).at(0).value<UpDown::Direction>(), UpDown::Direction::Down);

    QTest::keyClick(&upDown, Qt::Key_Up);
    EXPECT_EQ(up.count(), 2);
    EXPECT_EQ(pressed.count(), 2);

    // A release without a press (the press went to another control) reports nothing.
    QTest::mouseRelease(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
    EXPECT_EQ(released.count(), 2);
}

TEST(UpDownTest, LimitsStayOrdered)
{
    UpDown upDown;
    upDown.setRange(0, 6500);
    upDown.setMinimum(7000);
    EXPECT_EQ(upDown.minimum(), 7000);
    EXPECT_EQ(upDown.maximum(), 7000);
    upDown.setMaximum(-5);
    EXPECT_EQ(upDown.minimum(), -5);
}

} // namespace
