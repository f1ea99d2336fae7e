#pragma once

#include <QString>
#include <QTemporaryDir>

// A private LonWorks home for one test: sets LONWORKS_HOME while it lives and restores it after.
class TempLonWorksHome final
{
public:
    TempLonWorksHome();
    ~TempLonWorksHome();
    TempLonWorksHome(const TempLonWorksHome&) = delete;
    TempLonWorksHome& operator=(const TempLonWorksHome&) = delete;

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};
