#include "components/buttons/speed_button.h"

#include "components/draw/themed_background.h"
#include "platform/ui/ui_host.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QTimer>

namespace {

// How long ButtonClick shows the pressed look.
constexpr unsigned PressShowMs = 20;

int liveButtons = 0;

} // namespace

QPoint DropDownMenuPoint(QSize button, int menuWidth, TWkDropDownMenuPos position,
                         TPopupAlignment alignment) {
    const int w = button.width();
    const int h = button.height();
    if (position == dmpBottom) {
        switch (alignment) {
        case paLeft:
            return {-1, h};
        case paRight:
            return {w + 1 - menuWidth, h};
        case paCenter:
            return {w / 2 - menuWidth / 2, h};
        }
    }
    switch (alignment) {
    case paLeft:
        return {w, -1};
    case paRight:
        return {-1 - menuWidth, -1};
    case paCenter:
        return {w / 2 - menuWidth / 2, h};
    }
    return {};
}

TWkCustomSpeedButton::TWkCustomSpeedButton(QWidget* parent)
    : TWkExGraphicControl(parent), FHotTrackOptions(new TWkHotTrackOptions(this)) {
    setGeometry(0, 0, 25, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    FGlyph.SetGrayNewStyle(true);
    FGlyph.OnChange = [this] {
        update();
    };
    followFont();
    ++liveButtons;
}

TWkCustomSpeedButton::~TWkCustomSpeedButton() {
    --liveButtons;
}

int TWkCustomSpeedButton::LiveButtonCount() {
    return liveButtons;
}

void TWkCustomSpeedButton::SetState(TWkButtonState state) {
    if (state == FState)
        return;
    FState = state;
    update();
}

void TWkCustomSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0 || value == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    // Also when the mouse pressed it: a held-down button shows its group look at once.
    FState = value ? rbsExclusive : rbsUp;
    update();
    if (value)
        broadcastGroup();
}

void TWkCustomSpeedButton::SetGroupIndex(int value) {
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    broadcastGroup();
}

void TWkCustomSpeedButton::SetAllowAllUp(bool value) {
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    broadcastGroup();
}

void TWkCustomSpeedButton::broadcastGroup() {
    if (FGroupIndex == 0 || !parentWidget())
        return;
    const auto siblings =
        parentWidget()->findChildren<TWkCustomSpeedButton*>(Qt::FindDirectChildrenOnly);
    for (TWkCustomSpeedButton* sibling : siblings)
        sibling->groupChanged(this);
}

void TWkCustomSpeedButton::groupChanged(TWkCustomSpeedButton* sender) {
    if (sender == this || sender->FGroupIndex != FGroupIndex)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = rbsUp;
        update();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TWkCustomSpeedButton::SetAllowTimer(bool value) {
    FAllowTimer = value;
    if (!value && FRepeatTimer) {
        FRepeatTimer->stop();
        delete FRepeatTimer;
        FRepeatTimer = nullptr;
    }
}

void TWkCustomSpeedButton::SetFlat(bool value) {
    if (value == FFlat)
        return;
    FFlat = value;
    update();
}

void TWkCustomSpeedButton::SetTransparent(bool value) {
    if (value == FTransparent)
        return;
    FTransparent = value;
    update();
}

void TWkCustomSpeedButton::SetColor(TColor value) {
    if (value == FColor)
        return;
    FColor = value;
    update();
}

void TWkCustomSpeedButton::SetCaption(const QString& value) {
    if (value == FCaption)
        return;
    FCaption = value;
    updateAccelerator();
    update();
}

// The caption's "&" letter with Alt clicks the button from anywhere in its window.
void TWkCustomSpeedButton::updateAccelerator() {
    if (FAcceleratorId != 0)
        releaseShortcut(FAcceleratorId);
    FAcceleratorId = 0;
    const QKeySequence accelerator = QKeySequence::mnemonic(FCaption);
    if (!accelerator.isEmpty())
        FAcceleratorId = grabShortcut(accelerator, Qt::WindowShortcut);
}

bool TWkCustomSpeedButton::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut ||
        static_cast<QShortcutEvent*>(event)->shortcutId() != FAcceleratorId)
        return TWkExGraphicControl::event(event);
    if (isEnabled())
        clickFromEvent();
    return true;
}

void TWkCustomSpeedButton::SetLayout(TButtonLayout value) {
    FLayout = value;
    update();
}

void TWkCustomSpeedButton::SetMargin(int value) {
    if (value < -1 || value == FMargin)
        return;
    FMargin = value;
    update();
}

void TWkCustomSpeedButton::SetSpacing(int value) {
    FSpacing = value;
    update();
}

void TWkCustomSpeedButton::SetAlignment(TAlignment value) {
    if (value == FGlyph.Alignment())
        return;
    FGlyph.SetAlignment(value);
    update();
}

void TWkCustomSpeedButton::SetWordWrap(bool value) {
    if (value == FGlyph.WordWrap())
        return;
    FGlyph.SetWordWrap(value);
    update();
}

void TWkCustomSpeedButton::SetStyle(TButtonStyle value) {
    FStyle = value;
    update();
}

void TWkCustomSpeedButton::SetGrayedInactive(bool value) {
    FInactiveGrayed = value;
    update();
}

void TWkCustomSpeedButton::SetMarkDropDown(bool value) {
    FMarkDropDown = value;
    update();
}

void TWkCustomSpeedButton::SetHotTrack(bool value) {
    FHotTrack = value;
    update();
}

void TWkCustomSpeedButton::SetHotTrackFontOptions(TWkTrackFontOptions value) {
    FHotTrackFontOptions = value;
    followFont();
}

void TWkCustomSpeedButton::SetHotTrackFont(const QFont& font, TColor color) {
    FHotTrackFont = font;
    FHotTrackFontColor = color;
    followFont();
}

void TWkCustomSpeedButton::SetDropDownMenu(QMenu* menu) {
    FDropDownMenu = menu;
    update();
}

// Qt fonts have no character set or pitch of their own to follow.
void TWkCustomSpeedButton::followFont() {
    if (!(FHotTrackFontOptions & hoFollowFont))
        return;
    const QFont source = font();
    if (!(FHotTrackFontOptions & hoPreserveColor))
        FHotTrackFontColor = FromQColor(palette().color(QPalette::ButtonText));
    if (!(FHotTrackFontOptions & hoPreserveHeight)) {
        if (source.pixelSize() > 0)
            FHotTrackFont.setPixelSize(source.pixelSize());
        else
            FHotTrackFont.setPointSizeF(source.pointSizeF());
    }
    if (!(FHotTrackFontOptions & hoPreserveName))
        FHotTrackFont.setFamily(source.family());
    if (!(FHotTrackFontOptions & hoPreserveStyle)) {
        FHotTrackFont.setBold(source.bold());
        FHotTrackFont.setItalic(source.italic());
        FHotTrackFont.setUnderline(source.underline());
        FHotTrackFont.setStrikeOut(source.strikeOut());
    }
}

void TWkCustomSpeedButton::Click() {
    if (FModalResult != 0) {
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(FModalResult);
    }
    if (OnClick)
        OnClick(this);
}

// A handler's exception ends at the mouse event; it is reported and the button goes on.
void TWkCustomSpeedButton::clickFromEvent() {
    try {
        Click();
    } catch (const std::exception& error) {
        uiHost().reportException(QString::fromUtf8(error.what()));
    }
}

void TWkCustomSpeedButton::ButtonClick() {
    if (FMenuTracking || !isEnabled() || FDropDownMenu)
        return;
    if (!FDown) {
        FState = rbsDown;
        update();
    }
    uiHost().sleep(PressShowMs);
    auto release = [this] {
        FState = rbsUp;
        if (FGroupIndex == 0) {
            update();
        } else {
            SetDown(!FDown);
            // A button that stays down (no AllowAllUp) keeps its group look.
            if (FDown)
                SetState(rbsExclusive);
            Click();
        }
    };
    try {
        if (FGroupIndex == 0)
            Click();
    } catch (...) {
        release();
        throw;
    }
    release();
}

bool TWkCustomSpeedButton::CheckBtnMenuDropDown() {
    if (!FDropDownMenu)
        return false;
    const QPoint at =
        DropDownMenuPoint(size(), FDropDownMenu->sizeHint().width(), FMenuPosition, FMenuAlignment);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    FMenuTracking = true;
    QObject::connect(FDropDownMenu, &QMenu::aboutToHide, this, &TWkCustomSpeedButton::menuClosed,
                     Qt::UniqueConnection);
    FDropDownMenu->setAttribute(Qt::WA_NoMouseReplay, false);
    FDropDownMenu->installEventFilter(this);
    FDropDownMenu->popup(mapToGlobal(at));
    return true;
}

// A press on the button that closes its menu ends there: Qt would hand it on to the button,
// which would open the menu again.
bool TWkCustomSpeedButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FDropDownMenu && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!FDropDownMenu->geometry().contains(at) && rect().contains(mapFromGlobal(at)))
            FDropDownMenu->setAttribute(Qt::WA_NoMouseReplay);
    }
    return TWkExGraphicControl::eventFilter(watched, event);
}

void TWkCustomSpeedButton::menuClosed() {
    if (QObject* menu = sender())
        menu->removeEventFilter(this);
    FMenuTracking = false;
    UpdateTracking();
}

void TWkCustomSpeedButton::UpdateTracking() {
    const bool over = isEnabled() && QApplication::activeWindow() != nullptr &&
                      QApplication::widgetAt(QCursor::pos()) == this;
    setMouseInControl(over);
}

void TWkCustomSpeedButton::setMouseInControl(bool over) {
    if (over == FMouseInControl)
        return;
    FMouseInControl = over;
    if ((ThemesEnabled() || FHotTrack || FFlat) && isEnabled())
        update();
}

bool TWkCustomSpeedButton::NotifyMouseEnter(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyMouseEnter(event);
    if (isEnabled())
        setMouseInControl(true);
    return result;
}

bool TWkCustomSpeedButton::NotifyMouseLeave(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyMouseLeave(event);
    if (!FDragging)
        setMouseInControl(false);
    return result;
}

void TWkCustomSpeedButton::preDeriveGlyph() {
    FGlyph.CreateButtonGlyph(!isEnabled() ? rbsDisabled : FFlat ? rbsInactive : rbsUp);
}

bool TWkCustomSpeedButton::NotifyEnabledChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyEnabledChanged(event);
    if (!isEnabled()) {
        FDragging = false;
    } else if (FState == rbsDisabled) {
        FState = FDown && FGroupIndex != 0 ? rbsExclusive : rbsUp;
    }
    preDeriveGlyph();
    UpdateTracking();
    update();
    return result;
}

bool TWkCustomSpeedButton::NotifyVisibleChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyVisibleChanged(event);
    preDeriveGlyph();
    UpdateTracking();
    return result;
}

bool TWkCustomSpeedButton::NotifyFontChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyFontChanged(event);
    followFont();
    return result;
}

bool TWkCustomSpeedButton::NotifyParentFontChanged(QEvent* event) {
    const bool result = TWkExGraphicControl::NotifyParentFontChanged(event);
    followFont();
    return result;
}

// The derived glyphs hold the button face colour of the palette they were made with.
bool TWkCustomSpeedButton::NotifyColorChanged(QEvent* event) {
    FGlyph.Invalidate();
    return TWkExGraphicControl::NotifyColorChanged(event);
}

bool TWkCustomSpeedButton::NotifyParentColorChanged(QEvent* event) {
    FGlyph.Invalidate();
    return TWkExGraphicControl::NotifyParentColorChanged(event);
}

void TWkCustomSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (FMenuTracking)
        return;
    if (event->type() == QEvent::MouseButtonPress)
        FDownAtPress = FDown;
    TWkExGraphicControl::mousePressEvent(event);
    setMouseInControl(true);
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!FDown) {
        FState = rbsDown;
        update();
    }
    FDragging = true;
    const QPointer<TWkCustomSpeedButton> alive(this);
    if (FDropDownMenu && CheckBtnMenuDropDown()) {
        finishPress(event->position().toPoint());
        return;
    }
    if (!alive || !FAllowTimer)
        return;
    if (!FRepeatTimer) {
        FRepeatTimer = new QTimer(this);
        connect(FRepeatTimer, &QTimer::timeout, this, [this] {
            try {
                RepeatTimerTick();
            } catch (const std::exception& error) {
                uiHost().reportException(QString::fromUtf8(error.what()));
            }
        });
    }
    FRepeatTimer->start(FInitRepeatPause);
}

void TWkCustomSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    TWkExGraphicControl::mouseMoveEvent(event);
    if (!FDragging)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    SetState(FDown ? rbsExclusive : inside ? rbsDown : rbsUp);
}

void TWkCustomSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    TWkExGraphicControl::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        finishPress(event->position().toPoint());
    if (FRepeatTimer)
        FRepeatTimer->stop();
}

void TWkCustomSpeedButton::finishPress(const QPoint& at) {
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() < height();
    if (FGroupIndex != 0) {
        if (inside) {
            SetDown(!FDown);
        } else if (FDown) {
            FState = rbsExclusive;
        }
        update();
    } else {
        FState = rbsUp;
        setMouseInControl(false);
        update();
    }
    const QPointer<TWkCustomSpeedButton> alive(this);
    if (inside && !FMenuTracking)
        clickFromEvent();
    if (alive)
        UpdateTracking();
}

// Qt's own handling presses the button again. Only a button that was down before the double
// click began and still is takes the second press (and fires OnDblClick); on any other one a
// double click is the one click its first press made.
void TWkCustomSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (FMenuTracking || !FDown || !FDownAtPress)
        return;
    FireNotifyEvent(OnDblClick, this);
    TWkExGraphicControl::mouseDoubleClickEvent(event);
}

void TWkCustomSpeedButton::RepeatTimerTick() {
    FRepeatTimer->setInterval(FRepeatPause);
    if (FState != rbsDown || !FDragging)
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->stop();
        throw;
    }
}

TWkButtonState TWkCustomSpeedButton::PaintState() const {
    if (!isEnabled())
        return rbsDisabled;
    if (FFlat && !FMouseInControl && !FDragging && FState == rbsUp)
        return rbsInactive;
    return FState;
}

TButtonContent TWkCustomSpeedButton::Content(TWkButtonState state) const {
    TButtonContent content;
    content.caption = FCaption;
    content.layout = FLayout;
    content.margin = FMargin;
    content.spacing = FSpacing;
    content.popupMark = FMarkDropDown && FDropDownMenu;
    content.state = state == rbsInactive && !FInactiveGrayed ? FState : state;
    content.paintOnGlass = PaintsOnGlass(this);
    return content;
}
