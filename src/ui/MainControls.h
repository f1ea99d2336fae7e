#pragma once

#include "ui/ControlArray.h"

class Log;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QWidget;
class StatusPanels;
class TrendChart;
class UpDown;

// The main window's controls by their given names. The window shell creates the shell
// controls; each tab page builder fills its part. Behaviour classes reach controls only through here.
struct MainControls
{
    // UCPTdisplConfig(item) has a box per display bit of UCPTdisplConfig; among them the
    // temperature unit (ticked for °C) and the two set-point displays that exclude each other.
    static constexpr int DisplayItems = 14;
    static constexpr int UnitItem = 4;
    static constexpr int SetpointItem = 2;
    static constexpr int OffsetItem = 3;
    // nviCmd_all(bit) has a box for each of the first bits of nviCmd_all.
    static constexpr int CommandBoxes = 7;

    // Shell.
    QWidget* fMain = nullptr;
    QTabWidget* tabData = nullptr;
    StatusPanels* PlugInStatus = nullptr;
    Log* echLog = nullptr;
    QTextEdit* RTHinweis = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdGerAuswahl = nullptr;

    QMenu* mnuOptionen = nullptr;
    QAction* mnuClearLog = nullptr;
    QAction* mnuSaveLog = nullptr;
    QAction* mnuSaveLogAs = nullptr;
    QAction* mnuParameter_laden = nullptr;
    QAction* mnuParameter_speichern = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHilfe = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuBeschreibung = nullptr;
    QAction* mnuReadme = nullptr;

    // Value boxes.
    ControlArray<QLineEdit> txtNci{QStringLiteral("txtNci")};
    ControlArray<QLineEdit> txtNcielement{QStringLiteral("txtNcielement")};
    ControlArray<QLineEdit> txtNvi{QStringLiteral("txtNvi")};
    ControlArray<QLineEdit> txtNvo{QStringLiteral("txtNvo")};
    ControlArray<QLineEdit> txtNciscene{QStringLiteral("txtNciscene")};
    ControlArray<QLineEdit> txtdate{QStringLiteral("txtdate")};
    ControlArray<QLineEdit> txttime{QStringLiteral("txttime")};
    ControlArray<UpDown> UpD_nci{QStringLiteral("UpD_nci")};

    // Lists, check boxes, options and buttons of the editors.
    ControlArray<QComboBox> cmb_time{QStringLiteral("cmb_time")};
    ControlArray<QComboBox> cmb_nci{QStringLiteral("cmb_nci")};
    ControlArray<QComboBox> cmb_device{QStringLiteral("cmb_device")};
    ControlArray<QComboBox> cmb_function{QStringLiteral("cmb_function")};
    ControlArray<QComboBox> cmb_led{QStringLiteral("cmb_led")};
    ControlArray<QComboBox> cmb_nvi{QStringLiteral("cmb_nvi")};
    ControlArray<QCheckBox> UCPTdisplConfig{QStringLiteral("UCPTdisplConfig")};
    ControlArray<QCheckBox> nviCmd_all{QStringLiteral("nviCmd_all")};
    ControlArray<QRadioButton> Unit{QStringLiteral("Unit")};
    ControlArray<QPushButton> cmd_Nvi_Reset{QStringLiteral("cmd_Nvi_Reset")};
    QCheckBox* menucheck = nullptr;

    // Button layout containers and the pictures of the unit's front.
    QWidget* Frametime = nullptr;
    QWidget* FrameMenue = nullptr;
    QWidget* Frame4T1 = nullptr;
    QWidget* Frame4T2 = nullptr;
    QWidget* Frame8T1 = nullptr;
    QWidget* Frame8T2 = nullptr;
    QWidget* Frame12T1 = nullptr;
    QWidget* Frame12T2 = nullptr;
    QWidget* FrameLED4 = nullptr;
    QWidget* FrameLED8 = nullptr;
    QWidget* FrameLED12 = nullptr;
    QLabel* Image2T = nullptr;
    QLabel* Image2T4 = nullptr;
    QLabel* Image4T = nullptr;
    QLabel* Image4T4 = nullptr;
    QLabel* Image6T = nullptr;
    QLabel* Image6T4 = nullptr;
    QLabel* Image8T = nullptr;
    QLabel* Image12T = nullptr;

    // Captions the message catalogue translates.
    ControlArray<QLabel> lblNc{QStringLiteral("lblNc")};
    ControlArray<QLabel> lbldisplay{QStringLiteral("lbldisplay")};
    ControlArray<QLabel> lblNctime{QStringLiteral("lblNctime")};
    ControlArray<QLabel> lblNcback{QStringLiteral("lblNcback")};
    ControlArray<QLabel> lblNvi{QStringLiteral("lblNvi")};
    ControlArray<QLabel> lblSection{QStringLiteral("lblSection")};
    ControlArray<QLabel> lblButtonHeading{QStringLiteral("lblButtonHeading")};
    QLabel* lblMenucheck = nullptr;

    // Monitoring.
    QCheckBox* chkMonitor = nullptr;
    QLabel* lbl_Monitoring = nullptr;
    QLineEdit* txtPoll = nullptr;
    QLabel* lblPolling = nullptr;
    QPushButton* cmd_Poll_ok = nullptr;
    // The trend of the monitored outputs, beside them.
    TrendChart* trendChart = nullptr;

    // The box of an element of an array CP: txtNcielement for UCPTdiConfig, txtNci beyond the
    // table's own for the backlight arrays.
    QLineEdit* elementBox(int position, int element) const;
};
