#pragma once
// The item list of the library's combo boxes: texts with one integer value each (a colour, for
// the colour combo box), kept in the Qt combo box's model. Reads outside the list raise
// EListError instead of answering an empty text.

#include "components/base/exception.h"
#include "components/util/items_search.h"

#include <QtGlobal>
#include <functional>

class QComboBox;

// "List index out of bounds (%d)".
class EListError final : public EWkException {
public:
    explicit EListError(int index);
};

class TWkComboBoxStrings final : public TWkSearchableItems {
public:
    // The value an item gets when none is given.
    static constexpr qintptr NoObject = 0;

    explicit TWkComboBoxStrings(QComboBox& combo) : combo_(combo) {}

    // Called before every change of the items (the box lets go of its provider then).
    std::function<void()> OnChanging;

    int Count() const override;
    QString Get(int index) const override;
    void Delete(int index) override;
    // Redraw stops while updates nest and resumes with one refresh at the outermost end.
    void BeginUpdate() override;
    void EndUpdate() override;

    // Index of the new item.
    int Add(const QString& text);
    int AddObject(const QString& text, qintptr object);
    // index may be Count() to append.
    void Insert(int index, const QString& text);
    void InsertObject(int index, const QString& text, qintptr object);
    void Put(int index, const QString& text);
    qintptr Objects(int index) const;
    void PutObject(int index, qintptr object);
    // Removes every item; the edit text of an editable box stays.
    void Clear();
    // First item equal to text without regard to case, or -1.
    int IndexOf(const QString& text) const;

private:
    void CheckIndex(int index) const;
    void Changing() const;

    QComboBox& combo_;
    int updateDepth_ = 0;
};
