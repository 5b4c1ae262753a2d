#include "components/base/ext_inplace_edit_list.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

// Rows the pick list shows before it scrolls.
constexpr int DropDownRows = 8;

} // namespace

TInplaceEditList::TInplaceEditList(QWidget* parent)
    : QLineEdit(parent), FButton(new QToolButton(this)), FList(new QListWidget(this)) {
    FButton->setFocusPolicy(Qt::NoFocus);
    FButton->setCursor(Qt::ArrowCursor);
    FButton->hide();
    connect(FButton, &QToolButton::clicked, this, &TInplaceEditList::buttonClicked);
    FList->setWindowFlags(Qt::Popup);
    FList->installEventFilter(this);
    connect(FList, &QListWidget::itemClicked, this, [this] { CloseUp(true); });
}

void TInplaceEditList::SetEditStyle(TEditStyle style) {
    FEditStyle = style;
    if (style == esSimple) {
        FButton->hide();
        setTextMargins(0, 0, 0, 0);
        return;
    }
    FButton->setArrowType(style == esPickList ? Qt::DownArrow : Qt::NoArrow);
    FButton->setText(style == esEllipsis ? QStringLiteral("...") : QString());
    placeButton();
    FButton->show();
}

bool TInplaceEditList::ListVisible() const {
    return FDropped;
}

void TInplaceEditList::DropDown() {
    if (FEditStyle != esPickList || FDropped)
        return;
    FList->clear();
    FList->addItems(FPickList);
    const auto found = FList->findItems(text(), Qt::MatchExactly);
    if (!found.isEmpty())
        FList->setCurrentItem(found.first());
    const int rows = std::clamp(int(FPickList.size()), 1, DropDownRows);
    const int rowHeight = std::max(FList->sizeHintForRow(0), fontMetrics().height());
    FList->setGeometry(QRect(mapToGlobal(QPoint(0, height())),
                             QSize(width(), rows * rowHeight + 2 * FList->frameWidth())));
    FDropped = true;
    FList->show();
    FList->setFocus(Qt::PopupFocusReason);
}

void TInplaceEditList::CloseUp(bool accept) {
    if (!FDropped)
        return;
    FDropped = false;
    const QListWidgetItem* chosen = FList->currentItem();
    const QString chosenText = chosen ? chosen->text() : QString();
    FList->hide();
    if (accept && chosen)
        setText(chosenText);
}

void TInplaceEditList::buttonClicked() {
    if (FEditStyle == esPickList) {
        if (FDropped)
            CloseUp(false);
        else
            DropDown();
    } else if (FEditStyle == esEllipsis) {
        EditButtonClick();
    }
}

void TInplaceEditList::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    if (FEditStyle == esPickList &&
        (event->key() == Qt::Key_F4 || (alt && event->key() == Qt::Key_Down))) {
        DropDown();
        return;
    }
    if (FEditStyle == esEllipsis && event->modifiers().testFlag(Qt::ControlModifier) &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        EditButtonClick();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TInplaceEditList::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placeButton();
}

bool TInplaceEditList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            CloseUp(key != Qt::Key_Escape);
            setFocus(Qt::PopupFocusReason);
            return true;
        }
    }
    // Closed by a click outside it.
    if (watched == FList && event->type() == QEvent::Hide && FDropped) {
        CloseUp(false);
        setFocus(Qt::PopupFocusReason);
    }
    return QLineEdit::eventFilter(watched, event);
}

void TInplaceEditList::placeButton() {
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    FButton->setGeometry(this->width() - width, 0, width, height());
    if (FEditStyle != esSimple)
        setTextMargins(0, 0, width, 0);
}
