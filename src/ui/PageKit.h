#pragma once

#include "ui/ControlArray.h"

#include <QList>
#include <QString>
#include <optional>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;
struct MainControls;

// The pieces every tab page is made of, so that the pages look and read alike.
namespace page_kit {

constexpr int ValueWidth = 80;

// The index of a CP field's caption in lblNc. The message catalogue addresses the captions of the
// device type, the set point fields and the fan stages by 22, 18, 19, 20 and 23; the switch
// fields at those positions move to 100 + position.
int cpCaptionIndex(int position);
// The index of an NV input's caption in lblNvi: the position, except that the catalogue gives
// 18-21 to the symbol check boxes of nviCmd_all, so inputs 18-21 move to 38-41.
int nviCaptionIndex(int position);
// A page inside a scroll area, so that nothing is cut off in a small window.
QWidget* page(const QString& objectName, QWidget* content);
// A page with a heading over two equal columns.
QWidget* twoColumnPage(const QString& objectName, QLabel* heading, QLayout* left, QLayout* right);
// A caption of a control array.
QLabel* caption(ControlArray<QLabel>& array, int index, const QString& text);
// A caption outside the control arrays.
QLabel* caption(const QString& objectName, const QString& text);
// A heading in bold above a group of fields.
QLabel* heading(QLabel* label);
// A framed group: the heading (may be null) above the body.
QGroupBox* section(QLabel* heading, QLayout* body);
// A value box of a control array.
QLineEdit* valueBox(ControlArray<QLineEdit>& array, int index, int width = ValueWidth);
// A value box that shows a text the structured controls around it edit, or a value the
// device sends.
QLineEdit* displayBox(ControlArray<QLineEdit>& array, int index, int width = ValueWidth);

// The whole value of the array CP at a position (its box txtNci(position) is made here and kept out
// of sight), shown from its element boxes; named "arrayValue" and the position.
QLineEdit* arrayValueBox(MainControls& controls, int position, const QList<QLineEdit*>& elements);

// Label, field and the field's companions in one row of a grid; the companions sit right of
// the field. The field is spoken with its label.
void addRow(QGridLayout* grid, int row, QLabel* label, QWidget* field,
            const QList<QWidget*>& companions = {});

// A read-only box txtNvo(position) for an output NV, captioned with its name.
void addNvoField(QGridLayout* grid, int row, MainControls& controls, int position, const QString& caption);
// A CP field txtNci(index) with its label and its up/down control UpD_nci(index), whose limits are
// the field's (cp_field_rules::limits).
void addCpField(QGridLayout* grid, int row, MainControls& controls, int index, QLabel* label);
// A box for txtNci(index) with its up/down control and a unit, for grids whose captions are
// row and column headings.
QWidget* cpBoxWithUpDown(MainControls& controls, int index, const QString& unit);

} // namespace page_kit
