#pragma once

#include "files/DeviceReport.h"

#include <QObject>

struct AppContext;
struct DeviceSession;
struct MainControls;

// The File menu's print item: the print selection window, the printer dialog and the report.
class Printing final : public QObject
{
    Q_OBJECT

public:
    Printing(AppContext& context, MainControls& controls, DeviceSession& session, QObject* parent);

    void mnuDrucken_Click();

    // The choice of the print selection window, kept between print runs.
    bool printCps = false;
    bool printNvis = false;
    bool printNvos = false;

private:
    DeviceReport::Data reportData() const;

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
};
