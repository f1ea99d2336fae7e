#pragma once

struct AppContext;
struct DeviceSession;

// True when the plug-in's device resource files are installed in the LonWorks path's "Types"
// catalogue. After one success the answer is kept for the life of the process. A failing step
// shows its description with Abort / Retry / Ignore; Abort answers false.
bool CheckResourceFiles(DeviceSession& session, AppContext& context);
