#pragma once

class EditorContext;
class QKeyEvent;

// The "Time / Date" and "Display" tabs: the LCD's time display (UCPTtimeConfig), the date and
// time entry for nviTimeSet, and the display items and temperature unit (UCPTdisplConfig).
class TimeDisplayEditor final
{
public:
    explicit TimeDisplayEditor(EditorContext& context);
    TimeDisplayEditor(const TimeDisplayEditor&) = delete;
    TimeDisplayEditor& operator=(const TimeDisplayEditor&) = delete;

    void cmb_time_Click(int k);
    // The shared CP change handling for UCPTtimeConfig (0) and UCPTdisplConfig (3).
    void txtNci_Change(int index);
    bool txtdate_KeyPress(int k, QKeyEvent& event);
    bool txttime_KeyPress(int k, QKeyEvent& event);
    void txtdate_KeyUp();
    void txtdate_LostFocus(int k);
    void txttime_LostFocus(int k);
    void UCPTdisplConfig_Click(int k);
    void Unit_Click();
    // nviTimeSet changed (typed, composed, read or monitored): the date and time fields follow
    // and are marked part by part against the device's value.
    void timeStampChanged();

private:
    void connectControls();
    void showTimeFields(int k, bool shown);
    void composeTimeStamp();
    void help(int pointIndex, bool input);

    EditorContext& m_context;
};
