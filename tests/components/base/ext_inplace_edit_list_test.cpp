#include "components/base/ext_inplace_edit_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Editor : public TWkExInplaceEditList {
public:
    using TWkExInplaceEditList::TWkExInplaceEditList;
    QStringList log;
    void CloseUp(bool accept) override {
        TWkExInplaceEditList::CloseUp(accept);
        log << QStringLiteral("close %1 %2").arg(accept).arg(text());
    }

protected:
    void EditButtonClick() override { log << "button"; }
};

void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, k, modifiers);
    QApplication::sendEvent(target, &press);
}

QListWidget* pickList(Editor& editor) {
    return editor.findChild<QListWidget*>();
}

} // namespace

TEST(InplaceEditList, PickListOpensOnTheTextAndClosesWithTheChoice) {
    const struct {
        const char* name;
        Qt::Key closeKey;
        const char* expected;
    } cases[] = {{"enter takes the item", Qt::Key_Return, "close 1 three"},
                 {"escape keeps the text", Qt::Key_Escape, "close 0 two"}};
    for (const auto& c : cases) {
        Editor editor;
        editor.resize(80, 20);
        editor.show();
        editor.SetEditStyle(esPickList);
        editor.SetPickList({"one", "two", "three"});
        editor.setText("two");
        key(&editor, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(editor.ListVisible()) << c.name;
        EXPECT_EQ(pickList(editor)->currentItem()->text(), "two") << c.name;
        key(pickList(editor), Qt::Key_Down);
        key(pickList(editor), c.closeKey);
        EXPECT_FALSE(editor.ListVisible()) << c.name;
        EXPECT_EQ(editor.log, QStringList{c.expected}) << c.name;
    }
}

TEST(InplaceEditList, TheButtonFollowsTheEditStyle) {
    Editor editor;
    editor.resize(80, 20);
    editor.show();
    auto* button = editor.findChild<QToolButton*>();
    EXPECT_FALSE(button->isVisible());
    editor.SetEditStyle(esEllipsis);
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(button->geometry().right(), 79);
    button->click();
    key(&editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor.log, (QStringList{"button", "button"}));
    editor.SetEditStyle(esPickList);
    button->click();
    EXPECT_TRUE(editor.ListVisible()) << "an empty pick list opens too";
    editor.SetEditStyle(esSimple);
    EXPECT_FALSE(button->isVisible());
}
