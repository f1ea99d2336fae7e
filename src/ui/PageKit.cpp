#include "ui/PageKit.h"

#include "editors/CpFieldRules.h"
#include "ui/AccessibleNames.h"
#include "ui/ArrayValueBox.h"
#include "ui/MainControls.h"
#include "ui/UpDown.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>
#include <stdexcept>

namespace page_kit {

namespace {

// The up/down control UpD_nci(index) with the field's limits.
UpDown* upDownOf(MainControls& controls, int index)
{
    const std::optional<cp_field_rules::Range> limits = cp_field_rules::limits(index);
    if (!limits)
        throw std::logic_error("a CP field without limits has no up/down control");
    auto* upDown = new UpDown;
    upDown->setRange(limits->minimum, limits->maximum);
    controls.UpD_nci.add(index, upDown);
    return upDown;
}

} // namespace

int cpCaptionIndex(int position)
{
    switch (position) {
    case 1:
        return 22;
    case 60:
        return 18;
    case 61:
        return 19;
    case 62:
        return 20;
    case 63:
        return 23;
    case 18:
    case 19:
    case 20:
    case 22:
    case 23:
        return 100 + position;
    default:
        return position;
    }
}

int nviCaptionIndex(int position)
{
    return position >= 18 && position <= 21 ? position + 20 : position;
}

QWidget* page(const QString& objectName, QWidget* content)
{
    auto* area = new QScrollArea;
    area->setObjectName(objectName);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

QWidget* twoColumnPage(const QString& objectName, QLabel* heading, QLayout* left, QLayout* right)
{
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(page_kit::heading(heading));
    layout->addLayout(columns);
    return page(objectName, content);
}

QLabel* caption(ControlArray<QLabel>& array, int index, const QString& text)
{
    auto* label = new QLabel(text);
    array.add(index, label);
    return label;
}

QLabel* caption(const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

QLabel* heading(QLabel* label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QGroupBox* section(QLabel* heading, QLayout* body)
{
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    if (heading)
        layout->addWidget(page_kit::heading(heading));
    layout->addLayout(body);
    return group;
}

QLineEdit* valueBox(ControlArray<QLineEdit>& array, int index, int width)
{
    auto* box = new QLineEdit;
    box->setFixedWidth(width);
    array.add(index, box);
    return box;
}

QLineEdit* displayBox(ControlArray<QLineEdit>& array, int index, int width)
{
    QLineEdit* box = valueBox(array, index, width);
    box->setReadOnly(true);
    return box;
}

QLineEdit* arrayValueBox(MainControls& controls, int position, const QList<QLineEdit*>& elements)
{
    auto* box = new ArrayValueBox(displayBox(controls.txtNci, position), elements);
    box->setObjectName(QStringLiteral("arrayValue%1").arg(position));
    return box;
}

void addRow(QGridLayout* grid, int row, QLabel* label, QWidget* field, const QList<QWidget*>& companions)
{
    grid->addWidget(label, row, 0);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(field);
    for (QWidget* companion : companions)
        cell->addWidget(companion);
    cell->addStretch();
    grid->addLayout(cell, row, 1);
    label->setBuddy(field);
    accessible_names::link(field, {label});
}

void addNvoField(QGridLayout* grid, int row, MainControls& controls, int position, const QString& caption)
{
    addRow(grid, row, page_kit::caption(QStringLiteral("lblNvo(%1)").arg(position), caption),
           displayBox(controls.txtNvo, position, 2 * ValueWidth));
}

void addCpField(QGridLayout* grid, int row, MainControls& controls, int index, QLabel* label)
{
    QLineEdit* box = valueBox(controls.txtNci, index);
    UpDown* upDown = upDownOf(controls, index);
    accessible_names::link(upDown, {label});
    addRow(grid, row, label, box, {upDown});
}

QWidget* cpBoxWithUpDown(MainControls& controls, int index, const QString& unit)
{
    auto* cell = new QWidget;
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(valueBox(controls.txtNci, index));
    layout->addWidget(upDownOf(controls, index));
    layout->addWidget(new QLabel(unit));
    layout->addStretch();
    return cell;
}

} // namespace page_kit
