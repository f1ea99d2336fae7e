#include "support/TempLonWorksHome.h"

TempLonWorksHome::TempLonWorksHome()
    : m_previous(qgetenv("LONWORKS_HOME")), m_hadPrevious(qEnvironmentVariableIsSet("LONWORKS_HOME"))
{
    qputenv("LONWORKS_HOME", m_dir.path().toUtf8());
}

TempLonWorksHome::~TempLonWorksHome()
{
    if (m_hadPrevious)
        qputenv("LONWORKS_HOME", m_previous);
    else
        qunsetenv("LONWORKS_HOME");
}
