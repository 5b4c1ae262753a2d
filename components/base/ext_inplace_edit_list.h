#pragma once
// The in-place cell editor that the library's grid builds on: a line edit that, by its edit
// style, also shows an ellipsis button or a drop-down button with a pick list.

#include "components/base/ext_control.h"

#include <QLineEdit>
#include <QStringList>

class QListWidget;
class QToolButton;

enum TEditStyle { esSimple, esEllipsis, esPickList };

class TInplaceEditList : public QLineEdit {
public:
    explicit TInplaceEditList(QWidget* parent = nullptr);

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle style);
    // The items of the drop-down list (esPickList).
    QStringList PickList() const { return FPickList; }
    void SetPickList(const QStringList& items) { FPickList = items; }
    bool ListVisible() const;

    // Opens the pick list under the editor, its current item the one equal to the text.
    void DropDown();
    // Closes the pick list; with accept the chosen item becomes the text.
    virtual void CloseUp(bool accept);
    // Called by the owner once it has set the text and edit style for the next cell.
    virtual void UpdateContents() {}

protected:
    // The ellipsis button was clicked (or Ctrl+Enter pressed on it).
    virtual void EditButtonClick() {}

    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeButton();
    void buttonClicked();

    TEditStyle FEditStyle = esSimple;
    bool FDropped = false;
    QStringList FPickList;
    QToolButton* FButton;
    QListWidget* FList;
};

using TWkExInplaceEditList = TWkExControl<TInplaceEditList>;
