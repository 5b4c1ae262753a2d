#include "configurator/window/widget_factory.h"

#include "components/chart/chart.h"
#include "components/label/label.h"
#include "configurator/window/wheel_focus_filter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>

namespace {

template <typename Control> Control* Placed(Control* control, const QString& name, Place place) {
    control->setObjectName(name);
    control->setGeometry(place.x, place.y, place.width, place.height);
    return control;
}

// The lists that combos under one top-level widget share, kept as its child. A hundred items
// in each of dozens of combos cost more memory and time at start than the combos themselves.
class SharedLists : public QObject {
public:
    using QObject::QObject;

    static QAbstractItemModel* ModelOf(QWidget& owner, const QStringList& items) {
        // Only a SharedLists is ever kept under the property's name.
        auto* lists = static_cast<SharedLists*>(owner.property(PropertyName).value<QObject*>());
        if (lists == nullptr) {
            lists = new SharedLists(&owner);
            owner.setProperty(PropertyName, QVariant::fromValue<QObject*>(lists));
        }
        QStandardItemModel*& model = lists->models_[items];
        if (model == nullptr) {
            model = new QStandardItemModel(lists);
            for (const QString& text : items) {
                model->appendRow(new QStandardItem(text));
            }
        }
        return model;
    }

private:
    static constexpr char PropertyName[] = "sharedComboLists";
    QHash<QStringList, QStandardItemModel*> models_;
};

QComboBox* DropDownList(QWidget* parent, const QString& name, Place place) {
    auto* combo = Placed(new QComboBox(parent), name, place);
    combo->setMaxVisibleItems(24);
    WheelFocusFilter::install(combo);
    return combo;
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
    QComboBox* combo = DropDownList(parent, name, place);
    combo->addItems(items);
    return combo;
}

QComboBox* MakeSharedListCombo(QWidget* parent, const QString& name, const QStringList& items,
                               Place place) {
    QComboBox* combo = DropDownList(parent, name, place);
    combo->setModel(SharedLists::ModelOf(*parent->window(), items));
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
