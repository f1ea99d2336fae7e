#include "lns/admin/CpAddress.h"

#include <QRegularExpression>

namespace lnssim {

std::optional<CpAddress> CpAddress::parse(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(?:([FN]):(\\d+)/)?C:(\\d+):(\\d+)$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    CpAddress address;
    const QString head = match.captured(1);
    if (head == QLatin1String("F"))
        address.ownerKind = CpOwnerKind::Block;
    else if (head == QLatin1String("N"))
        address.ownerKind = CpOwnerKind::Nv;
    address.ownerIndex = head.isEmpty() ? 0 : match.captured(2).toInt();
    address.scope = match.captured(3).toInt();
    address.typeIndex = match.captured(4).toInt();
    return address;
}

} // namespace lnssim
