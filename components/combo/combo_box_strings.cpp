#include "components/combo/combo_box_strings.h"

#include <QComboBox>

namespace {

constexpr int ObjectRole = Qt::UserRole;

} // namespace

EListError::EListError(int index)
    : EWkException(QStringLiteral("List index out of bounds (%1)").arg(index)) {}

void TWkComboBoxStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(index);
}

void TWkComboBoxStrings::Changing() const {
    if (OnChanging)
        OnChanging();
}

int TWkComboBoxStrings::Count() const {
    return combo_.count();
}

QString TWkComboBoxStrings::Get(int index) const {
    CheckIndex(index);
    return combo_.itemText(index);
}

void TWkComboBoxStrings::Delete(int index) {
    Changing();
    CheckIndex(index);
    combo_.removeItem(index);
}

void TWkComboBoxStrings::BeginUpdate() {
    if (updateDepth_++ == 0)
        combo_.setUpdatesEnabled(false);
}

void TWkComboBoxStrings::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    combo_.setUpdatesEnabled(true);
    combo_.update();
}

int TWkComboBoxStrings::Add(const QString& text) {
    return AddObject(text, NoObject);
}

int TWkComboBoxStrings::AddObject(const QString& text, qintptr object) {
    Changing();
    const int index = Count();
    InsertObject(index, text, object);
    return index;
}

void TWkComboBoxStrings::Insert(int index, const QString& text) {
    InsertObject(index, text, NoObject);
}

void TWkComboBoxStrings::InsertObject(int index, const QString& text, qintptr object) {
    Changing();
    if (index < 0 || index > Count())
        throw EListError(index);
    combo_.insertItem(index, text, QVariant::fromValue(object));
}

void TWkComboBoxStrings::Put(int index, const QString& text) {
    Changing();
    CheckIndex(index);
    combo_.setItemText(index, text);
}

qintptr TWkComboBoxStrings::Objects(int index) const {
    CheckIndex(index);
    return combo_.itemData(index, ObjectRole).value<qintptr>();
}

void TWkComboBoxStrings::PutObject(int index, qintptr object) {
    Changing();
    CheckIndex(index);
    combo_.setItemData(index, QVariant::fromValue(object), ObjectRole);
}

void TWkComboBoxStrings::Clear() {
    Changing();
    const QString editText = combo_.isEditable() ? combo_.currentText() : QString();
    combo_.clear();
    if (combo_.isEditable())
        combo_.setEditText(editText);
}

int TWkComboBoxStrings::IndexOf(const QString& text) const {
    return combo_.findText(text, Qt::MatchFixedString);
}
