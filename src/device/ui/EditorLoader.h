#pragma once

class FrameworkSettings;
class MessageCatalogue;
class PointTables;
struct EditorState;
struct MainControls;

// Decodes the value texts read from the device into the structured editors (combo boxes,
// check boxes, option buttons, sub-field boxes, the button layout). Each step that fails is
// skipped and the next one runs.
class EditorLoader final
{
public:
    EditorLoader(MainControls& controls, EditorState& state, PointTables& points,
                 const FrameworkSettings& settings, const MessageCatalogue& catalogue);

    // online: the device state panel reads "Cnfg Online".
    void load(bool online);

private:
    MainControls& m_controls;
    EditorState& m_state;
    PointTables& m_points;
    const FrameworkSettings& m_settings;
    const MessageCatalogue& m_catalogue;
};
