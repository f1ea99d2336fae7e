#pragma once

#include <QString>

// Where the files installed with the programs are. Both folders are found relative to the running
// executable, so an installed copy (/usr/bin beside /usr/share/zep31) and a build tree (build/bin
// beside build/share/zep31, which the build lays out the same way) find theirs.
namespace installed_files {

// The plug-in's data the platform installs into a LonWorks home (interface and resource files):
// $ZEP31_DATA_DIR when set, else the data folder beside the program.
QString dataFolder();
// The device documents and readmes the Help menu opens.
QString documentFolder();

} // namespace installed_files
