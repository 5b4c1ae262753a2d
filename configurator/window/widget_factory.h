#pragma once
// Creates the window's standard controls at their design place, each named so that handlers,
// arrays and tests find it by the name of the window's scheme.

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;
class TWkChart;
class TWkLabel;

struct Place {
    int x;
    int y;
    int width;
    int height;
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, Place place);
// A column caption over a table of controls: the library's label turned upright, centred and
// wrapped in its box, its lines ending at the box's bottom.
TWkLabel* MakeColumnCaption(QWidget* parent, const QString& name, const QString& text, Place place);
// A short column caption written across its column, centred and wrapped, its lines ending at the
// box's bottom.
QLabel* MakeFlatCaption(QWidget* parent, const QString& name, const QString& text, Place place);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& text, Place place);
// A drop-down list (no free text) with the first item selected.
QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& items, Place place);
// The same for a long list that dozens of combos offer unchanged (the buttons): the combos made
// under one top-level widget show one model of it, each with its own choice. No code may change
// the items through one of them.
QComboBox* MakeSharedListCombo(QWidget* parent, const QString& name, const QStringList& items,
                               Place place);
// The items of a drop-down list, in order.
QStringList ComboItems(const QComboBox* combo);
QSpinBox* MakeSpin(QWidget* parent, const QString& name, int minimum, int maximum, Place place);
QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& text, Place place);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, Place place);
TWkChart* MakeChart(QWidget* parent, const QString& name, Place place);

// Zero-padded numbers: NumberName("osi_%1_t", 3, 2) gives "osi_03_t".
QString NumberName(const char* pattern, int number, int width = 1);
