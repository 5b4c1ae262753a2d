#include "configurator/window/widget_factory.h"

#include "components/chart/chart.h"
#include "components/label/label.h"
#include "configurator/window/wheel_focus_filter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

template <typename Control> Control* Placed(Control* control, const QString& name, Place place) {
    control->setObjectName(name);
    control->setGeometry(place.x, place.y, place.width, place.height);
    return control;
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, Place place) {
    return Placed(new QLabel(text, parent), name, place);
}

TWkLabel* MakeColumnCaption(QWidget* parent, const QString& name, const QString& text,
                            Place place) {
    auto* caption = Placed(new TWkLabel(parent), name, place);
    caption->SetAutoSize(false);
    caption->SetAngle(90);
    caption->SetAlignment(taCenter);
    caption->SetTransparent(true);
    caption->SetWordWrap(true);
    caption->SetLayout(tlBottom);
    caption->SetCaption(text);
    return caption;
}

QLabel* MakeFlatCaption(QWidget* parent, const QString& name, const QString& text, Place place) {
    QLabel* caption = MakeLabel(parent, name, text, place);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    caption->setWordWrap(true);
    return caption;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& text, Place place) {
    return Placed(new QLineEdit(text, parent), name, place);
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& items, Place place) {
    auto* combo = Placed(new QComboBox(parent), name, place);
    combo->addItems(items);
    combo->setMaxVisibleItems(24);
    WheelFocusFilter::install(combo);
    return combo;
}

QStringList ComboItems(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

QSpinBox* MakeSpin(QWidget* parent, const QString& name, int minimum, int maximum, Place place) {
    auto* spin = Placed(new QSpinBox(parent), name, place);
    spin->setRange(minimum, maximum);
    WheelFocusFilter::install(spin);
    return spin;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& text, Place place) {
    return Placed(new QCheckBox(text, parent), name, place);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, Place place) {
    return Placed(new QPushButton(text, parent), name, place);
}

TWkChart* MakeChart(QWidget* parent, const QString& name, Place place) {
    return Placed(new TWkChart(parent), name, place);
}

QString NumberName(const char* pattern, int number, int width) {
    return QString::fromLatin1(pattern).arg(number, width, 10, QLatin1Char('0'));
}
