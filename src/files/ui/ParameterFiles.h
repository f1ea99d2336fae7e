#pragma once

#include <QObject>

struct ParameterSet;
struct AppContext;
struct DeviceSession;
struct MainControls;

// The File menu's parameter-file items: saving the current device's CP values and loading a
// file into the CP editors, where the editors' own change handling marks what differs.
class ParameterFiles final : public QObject
{
    Q_OBJECT

public:
    ParameterFiles(AppContext& context, MainControls& controls, DeviceSession& session, QObject* parent);

    void mnuParameter_speichern_Click();
    void mnuParameter_laden_Click();

private:
    // The values last read from the device and the array elements read afresh; false when the
    // device could not give them (already told to the user).
    bool collect(ParameterSet& set);
    void load(const ParameterSet& set);

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
};
