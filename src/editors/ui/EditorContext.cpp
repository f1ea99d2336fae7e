#include "editors/ui/EditorContext.h"

#include "device/DeviceSession.h"
#include "device/FindConfigProperty.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

EditorContext::EditorContext(MainControls& controls_, EditorState& state_, PointTables& points_,
                             const FrameworkSettings& settings_, DeviceSession& session_, UiServices& ui_,
                             ControlEvents& events_, Procedures procedures_)
    : controls(controls_), state(state_), points(points_), settings(settings_), session(session_), ui(ui_),
      events(events_), procedures(std::move(procedures_))
{
}

bool EditorContext::windowVisible() const
{
    return controls.fMain && controls.fMain->isVisible();
}

const QString& EditorContext::separator() const
{
    return settings.decimalSeparator;
}

bool EditorContext::monitoring() const
{
    return controls.chkMonitor && controls.chkMonitor->isChecked();
}

QString EditorContext::elementReference(int cpPosition, int element) const
{
    if (!session.currentDevice)
        return {};
    const std::shared_ptr<lns::ConfigProperty> property =
        FindConfigProperty(points.cp(cpPosition).id, *session.currentDevice, session.nvCollection, ui);
    return property ? property->elementValue(element) : QString();
}

std::shared_ptr<lns::NetworkVariable> EditorContext::inputNv(int position) const
{
    if (!session.nvCollection)
        return nullptr;
    return session.nvCollection->item(points.nvi(position).nvIndex);
}

bool EditorContext::moveFocusOnEnter(QKeyEvent& event) const
{
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    controls.cmdGerAuswahl->setFocus(Qt::OtherFocusReason);
    return true;
}

bool EditorContext::filterKey(QLineEdit* field, QKeyEvent& event, key_rules::KeyClass keyClass) const
{
    if (moveFocusOnEnter(event))
        return true;
    const QString typed = event.text();
    if (typed.size() != 1 || event.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QChar key = typed.at(0);
    if (key != key_rules::Backspace && !key.isPrint())
        return false;
    QString remaining = field->text();
    if (field->hasSelectedText())
        remaining.remove(field->selectionStart(), field->selectedText().size());
    return !key_rules::accepts(keyClass, key, remaining, separator());
}

void setTextIfDifferent(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}
