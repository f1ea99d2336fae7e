#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
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

// A list as a screen reader meets it: named by its row's captions, valued by its entry, with its
// entries as the one child and the actions that open them.
class NamedList final : public QAccessibleWidget
{
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return list()->accessibleName().isEmpty() ? list()->currentText() : list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State current = QAccessibleWidget::state();
        current.expandable = true;
        current.expanded = list()->view()->isVisible();
        current.collapsed = !current.expanded;
        return current;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object)
{
    // Every list: its interface is made while it is built, before its captions are linked.
    auto* list = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !list)
        return nullptr;
    return new NamedList(list);
}

} // namespace

void installListNames()
{
    static const bool installed = (QAccessible::installFactory(namedListFactory), true);
    Q_UNUSED(installed);
}

QList<QWidget*> captions(const QWidget* control)
{
    QList<QWidget*> widgets;
    for (const QVariant& entry : control->property(CaptionsProperty).toList())
        if (auto* caption = qobject_cast<QWidget*>(entry.value<QObject*>()))
            widgets.append(caption);
    return widgets;
}

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
