#include "lns/LocalPath.h"

#include <QDir>

namespace lnssim::local_path {

QString fromPlatform(const QString& path)
{
    QString local = path;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(local);
}

} // namespace lnssim::local_path
