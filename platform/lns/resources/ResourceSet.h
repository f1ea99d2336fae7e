#pragma once

#include <QMap>
#include <QString>

namespace lnssim {

// One resource file set (our *.res file): the program-ID template and scope it serves and the
// functional profiles it defines (key -> name).
struct ResourceSet
{
    QString file;
    QString programIdTemplate;
    int scope = 0;
    QMap<QString, QString> profiles;
};

} // namespace lnssim
