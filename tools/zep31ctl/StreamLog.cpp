#include "StreamLog.h"

#include <QTextStream>

void StreamLog::add(const QString& text)
{
    if (m_verbose)
        m_err << text << Qt::endl;
}
