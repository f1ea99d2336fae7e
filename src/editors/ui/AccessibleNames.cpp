#include "editors/ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QVariant>

namespace accessible_names {

namespace {

// The captions are kept on the control itself, so that whoever changes the texts can refresh
// the names without knowing how the pages were built.
const char* const CaptionsProperty = "accessibleCaptions";

QString captionText(const QObject* caption)
{
    if (const auto* label = qobject_cast<const QLabel*>(caption))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(caption))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(caption))
        return group->title();
    return {};
}

void apply(QWidget* control)
{
    QStringList parts;
    for (const QVariant& entry : control->property(CaptionsProperty).toList()) {
        const QString part = spoken(captionText(entry.value<QObject*>()));
        if (!part.isEmpty())
            parts.append(part);
    }
    control->setAccessibleName(parts.join(QLatin1Char(' ')));
}

} // namespace

void link(QWidget* control, const QList<QWidget*>& captions)
{
    QVariantList entries;
    for (QWidget* caption : captions)
        entries.append(QVariant::fromValue<QObject*>(caption));
    control->setProperty(CaptionsProperty, entries);
    apply(control);
}

void refresh(QWidget* root)
{
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (control->property(CaptionsProperty).isValid())
            apply(control);
    }
}

QString spoken(const QString& caption)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
    QString text = caption;
    text.remove(mnemonic);
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

} // namespace accessible_names
