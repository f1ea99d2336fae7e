#include "host/ui/ApplyControlTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QWidget>

namespace {

void setCaption(QObject* object, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
}

void setToolTip(QObject* object, const QString& text)
{
    if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setToolTip(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setToolTip(text);
}

// Translating a list is no choice of the user: the selection stays and no change is signalled,
// so handlers that mark edited fields do not fire. Only a selection the new list lacks changes,
// and that change is signalled like any other.
void setItems(QObject* object, const QStringList& items)
{
    auto* combo = qobject_cast<QComboBox*>(object);
    if (!combo)
        return;
    const int index = combo->currentIndex();
    if (index >= items.size()) {
        combo->clear();
        combo->addItems(items);
        return;
    }
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(index);
}

} // namespace

void applyControlTexts(QWidget* window, const QList<ControlText>& texts)
{
    if (!window)
        return;
    for (const ControlText& entry : texts) {
        if (entry.window != window->objectName())
            continue;
        if (entry.control.isEmpty()) {
            if (entry.kind == ControlText::Kind::Caption)
                window->setWindowTitle(entry.text);
            else if (entry.kind == ControlText::Kind::ToolTip)
                window->setToolTip(entry.text);
            continue;
        }
        const QList<QObject*> targets = window->findChildren<QObject*>(entry.control);
        for (QObject* target : targets) {
            switch (entry.kind) {
            case ControlText::Kind::Caption:
                setCaption(target, entry.text);
                break;
            case ControlText::Kind::ToolTip:
                setToolTip(target, entry.text);
                break;
            case ControlText::Kind::Items:
                setItems(target, entry.items);
                break;
            }
        }
    }
}
