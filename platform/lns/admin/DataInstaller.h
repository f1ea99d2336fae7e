#pragma once

#include <QString>

namespace lnssim {

// Installs the plug-in's files into a LonWorks home as its set-up would: the device interface
// files into Import/, the resource files into Types/User/Korvandel (registered in the
// resource catalogue) and the folders the platform expects. The source is the data folder
// installed with the programs (installed_files::dataFolder).
class DataInstaller final
{
public:
    explicit DataInstaller(const QString& lonWorksHome) : m_home(lonWorksHome) {}

    // Throws lns::Error naming the folder or file that failed.
    void install() const;

private:
    void copyFolder(const QString& source, const QString& target) const;
    void registerResources() const;

    QString m_home;
};

} // namespace lnssim
