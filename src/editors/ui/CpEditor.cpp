#include "editors/ui/CpEditor.h"

#include "device/point_catalogue/PointTables.h"
#include "editors/CpFieldRules.h"
#include "editors/NumberText.h"
#include "editors/ui/ButtonEditor.h"
#include "editors/ui/EditorContext.h"
#include "editors/ui/TimeDisplayEditor.h"
#include "host/Log.h"
#include "host/MessageCatalogue.h"
#include "host/object_server/Error.h"
#include "ui/ChangeMarker.h"
#include "ui/ControlEvents.h"
#include "ui/MainControls.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <cmath>

namespace {

using namespace point_catalogue;

constexpr int FanStages = cp::FanSpdStages;
constexpr int MaxFanStages = cp_field_rules::FanStages.maximum;

// The element number of a backlight box in its array CP.
int backlightElement(int index)
{
    return index - cp::backlightBox(cp::backlightOfBox(index), 0);
}

// The catalogue position whose help a field shows.
int helpIndex(int index)
{
    return cp::isBacklightBox(index) ? cp::backlightOfBox(index) : index;
}

} // namespace

CpEditor::CpEditor(EditorContext& context, ButtonEditor& buttons, TimeDisplayEditor& timeDisplay,
                   const MessageCatalogue& catalogue)
    : m_context(context), m_catalogue(catalogue), m_buttons(buttons), m_timeDisplay(timeDisplay),
      m_repeat([this](int index, UpDown::Direction direction) { UpD_nci_Click(index, direction); })
{
    connectControls();
}

void CpEditor::connectControls()
{
    MainControls& controls = m_context.controls;
    for (const auto& [index, field] : controls.txtNci.items()) {
        const int i = index;
        QObject::connect(field, &QLineEdit::textChanged, &m_context.events, [this, i] { txtNci_Change(i); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this, i] { txtNci_GotFocus(i); };
        if (!field->isReadOnly()) {
            handlers.keyPress = [this, i](QKeyEvent& event) { return txtNci_KeyPress(i, event); };
            handlers.lostFocus = [this, i] { txtNci_LostFocus(i); };
        }
        m_context.events.attach(field, std::move(handlers));
    }
    for (const auto& [index, upDown] : controls.UpD_nci.items()) {
        const int i = index;
        QObject::connect(upDown, &UpDown::upClicked, &m_context.events,
                         [this, i] { UpD_nci_Click(i, UpDown::Direction::Up); });
        QObject::connect(upDown, &UpDown::downClicked, &m_context.events,
                         [this, i] { UpD_nci_Click(i, UpDown::Direction::Down); });
        m_repeat.attach(upDown, i);
    }
    for (const auto& [index, list] : controls.cmb_nci.items()) {
        const int i = index;
        QObject::connect(list, &QComboBox::activated, &m_context.events, [this, i] { cmb_nci_Click(i); });
        ControlEvents::Handlers handlers;
        handlers.gotFocus = [this, i] { cmb_nci_GotFocus(i); };
        m_context.events.attach(list, std::move(handlers));
    }
}

bool CpEditor::hasUpDown(int index) const
{
    return m_context.controls.UpD_nci.contains(index);
}

void CpEditor::txtNci_Change(int index)
{
    if (!m_context.windowVisible() || m_changing.contains(index))
        return;
    m_changing.insert(index);
    try {
        switch (index) {
        case cp::TimeConfig:
        case cp::DisplConfig:
            m_timeDisplay.txtNci_Change(index);
            break;
        case cp::DeviceType:
        case cp::DiConfig:
            m_buttons.txtNci_Change(index);
            break;
        case cp::BacklightMin:
        case cp::BacklightMax:
            // The array fields carry only the mark of their elements.
            break;
        case FanStages:
            fanStagesChange();
            break;
        default:
            if (cp::isBacklightBox(index))
                numberChange(index,
                             m_context.elementReference(cp::backlightOfBox(index), backlightElement(index)));
            else
                numberChange(index, m_context.points.cp(index).value);
        }
    } catch (const lns::Error&) {
        // The reference cannot be read: the field keeps its text and its mark.
    }
    m_changing.remove(index);
    m_context.procedures.func_red_field();
}

void CpEditor::numberChange(int index, const QString& reference)
{
    QLineEdit* field = m_context.controls.txtNci(index);
    const QString& separator = m_context.separator();
    if (field->text().isEmpty()) {
        // Selected, so that the next digit typed replaces it.
        field->setText(QStringLiteral("0"));
        field->selectAll();
    }
    QString text = field->text();
    // A text that is no number goes back to the device's value, when that is one.
    if (!number_text::parse(text, separator) && !number_text::isIncomplete(text, separator) &&
        number_text::parse(reference, separator)) {
        text = reference;
        field->setText(text);
    }
    bool marked = false;
    if (const std::optional<double> value = number_text::parse(text, separator)) {
        // A field of whole numbers shows the device's "30.0" as 30, so that nobody takes it for a
        // field that keeps decimals.
        if (cp_field_rules::keyClass(index) == key_rules::KeyClass::Digits && text.contains(separator) &&
            *value == std::trunc(*value)) {
            text = number_text::format(*value, separator);
            field->setText(text);
        }
        marked = !number_text::sameValue(text, reference, separator);
    } else if (number_text::isIncomplete(text, separator)) {
        // "-" or the separator alone: the number is still being typed; leaving the field settles it.
        marked = true;
    } else {
        // Without a readable device value there is nothing sound to go back to.
        marked = text != reference;
    }
    change_marker::setMarked(field, marked);
}

void CpEditor::fanStagesChange()
{
    MainControls& controls = m_context.controls;
    QLineEdit* field = controls.txtNci(FanStages);
    const QString reference = m_context.points.cp(FanStages).value;
    const QString& separator = m_context.separator();
    // The list offers 1, 2 and 3 stages; any other count (from a file, say) is no value of the
    // unit and goes back to the device's.
    const auto stagesOf = [&separator](const QString& text) -> std::optional<double> {
        const std::optional<double> stages = number_text::parse(text, separator);
        if (!stages || *stages != std::trunc(*stages) || *stages < 1 || *stages > MaxFanStages)
            return std::nullopt;
        return stages;
    };
    std::optional<double> stages = stagesOf(field->text());
    if (!stages && stagesOf(reference)) {
        field->setText(reference);
        stages = stagesOf(reference);
    }
    QComboBox* list = controls.cmb_nci(FanStages);
    const int position = stages ? static_cast<int>(*stages) - 1 : -1;
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    const bool marked = !number_text::sameValue(field->text(), reference, separator);
    change_marker::setMarked(field, marked);
    change_marker::setMarked(list, marked);
}

bool CpEditor::txtNci_KeyPress(int index, QKeyEvent& event)
{
    const key_rules::KeyClass keyClass = cp_field_rules::keyClass(index);
    const bool swallowed = m_context.filterKey(m_context.controls.txtNci(index), event, keyClass);
    if (swallowed && keyClass == key_rules::KeyClass::Digits &&
        (event.text() == QLatin1String(".") || event.text() == QLatin1String(",")))
        explainWholeNumbers();
    return swallowed;
}

QString CpEditor::wholeNumbersOnly(const QString& language)
{
    return language == QLatin1String("german") ? QStringLiteral("Nur ganze Zahlen.")
                                               : QStringLiteral("Whole numbers only.");
}

void CpEditor::explainWholeNumbers()
{
    QTextEdit* help = m_context.controls.RTHinweis;
    const QString line = wholeNumbersOnly(m_catalogue.currentLanguage());
    // Once below the field's description, however often the key is pressed.
    if (help && !help->toPlainText().endsWith(line))
        help->append(line);
}

void CpEditor::txtNci_LostFocus(int index)
{
    if (!hasUpDown(index))
        return;
    QLineEdit* field = m_context.controls.txtNci(index);
    const QString& separator = m_context.separator();
    if (number_text::isIncomplete(field->text(), separator)) {
        field->setText(QStringLiteral("0"));
        return;
    }
    const std::optional<double> x = number_text::parse(field->text(), separator);
    if (!x)
        return;
    const UpDown* upDown = m_context.controls.UpD_nci(index);
    if (*x < upDown->minimum())
        field->setText(number_text::format(upDown->minimum(), separator));
    else if (*x > upDown->maximum())
        field->setText(number_text::format(upDown->maximum(), separator));
}

void CpEditor::txtNci_GotFocus(int index)
{
    try {
        m_context.procedures.showHelp(QStringLiteral("Nci"), helpIndex(index));
    } catch (const lns::Error& error) {
        m_context.controls.echLog->addError(QStringLiteral(" txtNci_GotFocus") + error.description());
    }
}

void CpEditor::UpD_nci_Click(int index, UpDown::Direction direction)
{
    MainControls& controls = m_context.controls;
    const QString& separator = m_context.separator();
    const std::optional<double> x = number_text::parse(controls.txtNci(index)->text(), separator);
    if (!x)
        return;
    double step = cp_field_rules::step(index);
    if (index == point_catalogue::cp::SpOffsetRng) {
        const std::optional<double> fieldStep =
            number_text::parse(controls.txtNci(point_catalogue::cp::SpEditDelta)->text(), separator);
        if (!fieldStep)
            return;
        step = *fieldStep;
    }
    const UpDown* upDown = controls.UpD_nci(index);
    const double stepped = direction == UpDown::Direction::Up
                               ? number_text::stepUp(*x, step, upDown->maximum())
                               : number_text::stepDown(*x, step, upDown->minimum());
    controls.txtNci(index)->setText(number_text::format(stepped, separator));
}

void CpEditor::cmb_nci_Click(int index)
{
    MainControls& controls = m_context.controls;
    const int position = controls.cmb_nci(index)->currentIndex();
    if (position < 0)
        return;
    if (index == FanStages)
        controls.txtNci(FanStages)->setText(QString::number(position + 1));
    else
        m_buttons.cmb_nci_Click(index);
}

void CpEditor::cmb_nci_GotFocus(int index)
{
    txtNci_GotFocus(index);
}
