#include "components/combo/color_combo_box.h"

#include "components/base/types.h"
#include "components/combo/color_ident.h"
#include "platform/ui/canvas.h"
#include "platform/ui/ui_host.h"
#include "util/text_format.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr TColor ShadowColor = 0x808080;
constexpr int MinimumItemHeight = 9;

// The value of the first line "name=value" whose name equals name, ignoring case.
QString NameMapValue(const QStringList& lines, const QString& name) {
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return {};
}

// The background behind an item's text: hatched when the brush colour is clNone or clDefault.
void FillTextBackground(TCanvas& canvas, const TRect& rect, TColor brush) {
    if (brush == clNone || brush == clDefault) {
        const Qt::BrushStyle hatch = brush == clNone ? Qt::FDiagPattern : Qt::BDiagPattern;
        canvas.Painter().fillRect(ToQRect(rect), QBrush(ToQColor(brush), hatch));
        return;
    }
    canvas.Brush.Color = brush;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(rect);
}

void DrawTransparentText(TCanvas& canvas, const QString& text, TRect rect) {
    canvas.Brush.Style = bsClear;
    canvas.DrawText(text, rect, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    canvas.Brush.Style = bsSolid;
}

void DrawFocusRect(TCanvas& canvas, const TRect& rect) {
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setPen(QPen(ToQColor(canvas.Font.Color), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQRect(rect).adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

TWkColorComboBox::TWkColorComboBox(QWidget* parent, TWkColorComboOptions options)
    : TWkCustomComboBox(parent, TComboBoxStyle::csOwnerDrawFixed), FOptions(options),
      FNewColorText(QStringLiteral("Custom")), FColorDialogText(QStringLiteral("Custom...")) {
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { FollowSelection(index); });
    FitItemHeight();
    GetColors();
}

bool TWkColorComboBox::HasDialogEntry() const {
    return (FOptions & coCustomColors) != 0;
}

TColor TWkColorComboBox::ItemColor(int index) const {
    return TColor(Items().Objects(index));
}

// Selecting an item from code (the defaults select the first one) also chooses its colour, so
// the box never shows one colour and hands out another.
void TWkColorComboBox::FollowSelection(int index) {
    if (index < 0 || (HasDialogEntry() && index == count() - 1))
        return;
    FColorValue = ItemColor(index);
}

void TWkColorComboBox::SetColorValue(TColor color) {
    const int index = FindColor(color);
    if (index >= 0) {
        FColorValue = color;
        if (index != ItemIndex()) {
            SetItemIndex(index);
            Change();
        }
        return;
    }
    if (HasDialogEntry()) {
        InsertColor(count() - 1, color, TextFormat(FNewColorText, {FCustomColorCount}));
        if (!FExecutingDialog)
            ++FCustomColorCount;
        SetItemIndex(count() - 2);
        FColorValue = color;
        return;
    }
    AddColor(color, TextFormat(FNewColorText, {FCustomColorCount}));
    SetItemIndex(count() - 1);
    FColorValue = color;
    Change();
}

void TWkColorComboBox::SetOptions(TWkColorComboOptions options) {
    if (options == FOptions)
        return;
    FOptions = options;
    GetColors();
}

void TWkColorComboBox::SetColorDialogText(const QString& text) {
    for (int index = 0; index < count(); ++index) {
        if (Items().Get(index) == FColorDialogText)
            Items().Put(index, text);
    }
    FColorDialogText = text;
}

void TWkColorComboBox::SetColorWidth(int width) {
    FColorWidth = width;
    update();
}

void TWkColorComboBox::SetHiliteColor(TColor color) {
    FHiliteColor = color;
    update();
}

void TWkColorComboBox::SetHiliteText(TColor color) {
    FHiliteText = color;
    update();
}

void TWkColorComboBox::SetColorNameMap(const QStringList& lines) {
    FColorNameMap = lines;
    update();
}

int TWkColorComboBox::BeginUpdate() {
    return ++FUpdateCount;
}

int TWkColorComboBox::EndUpdate() {
    --FUpdateCount;
    if (FUpdateCount == 0)
        GetColors();
    if (FUpdateCount < 0)
        FUpdateCount = 0;
    return FUpdateCount;
}

void TWkColorComboBox::GetColors() {
    if (FUpdateCount != 0)
        return;
    const TColor chosen = FColorValue;
    Items().BeginUpdate();
    {
        const QSignalBlocker blocker(this);
        Items().Clear();
        FCustomColorCount = 0;
        if (FOptions & coStdColors) {
            for (const TDefColorItem& item : WkStandardColors())
                InternalInsertColor(count(), item.Value, ColorDisplayName(item.Value, {}));
        }
        if (FOptions & coSysColors) {
            for (const TDefColorItem& item : WkSystemColors())
                InternalInsertColor(count(), item.Value, ColorDisplayName(item.Value, {}));
        }
    }
    FireNotifyEvent(OnBeforeCustom, this);
    if (HasDialogEntry())
        InternalInsertColor(count(), DialogEntryValue, FColorDialogText);
    Items().EndUpdate();
    FColorValue = chosen;
    if (count() == 0)
        return;
    {
        // Qt selects the first item of a list filled from empty; the rebuilt list has chosen
        // nothing yet, so choosing the colour again is a change even when it is the first.
        const QSignalBlocker blocker(this);
        SetItemIndex(-1);
    }
    SetColorValue(chosen);
}

int TWkColorComboBox::DroppedDownWidth() const {
    if (ListMade()) {
        const QWidget* list = view()->window();
        if (list->isVisible())
            return list->width();
    }
    return std::max(width(), DropDownWidth());
}

QString TWkColorComboBox::ColorDisplayName(TColor color, const QString& defaultName) const {
    const QString ident = ColorToString(color);
    QString name = NameMapValue(FColorNameMap, ident);
    if (name.isEmpty())
        name = NameMapValue(FColorNameMap, QStringLiteral("cl") + ident);
    if (!name.isEmpty())
        return name;
    if (!defaultName.isEmpty())
        return defaultName;
    if (ident.size() >= 2 && ident.startsWith(QStringLiteral("cl")))
        return ident.mid(2);
    return ident;
}

QString TWkColorComboBox::ColorName(TColor color) {
    QString name = ColorDisplayName(color, {});
    if (name.isEmpty())
        DoGetDisplayName(-1, color, name);
    return name;
}

int TWkColorComboBox::FindColor(TColor color) const {
    for (int index = 0; index < count(); ++index) {
        if (ItemColor(index) == color)
            return HasDialogEntry() && index == count() - 1 ? -1 : index;
    }
    return -1;
}

void TWkColorComboBox::AddColor(TColor color, const QString& displayName) {
    QString name = displayName;
    if (!DoNewColor(color, name))
        return;
    if (HasDialogEntry())
        ++FCustomColorCount;
    InternalInsertColor(count() - (HasDialogEntry() ? 1 : 0), color, name);
    if (ItemIndex() < 0)
        SetItemIndex(0);
}

void TWkColorComboBox::InsertColor(int index, TColor color, const QString& displayName) {
    QString name = displayName;
    if (DoInsertColor(index, color, name))
        InternalInsertColor(index, color, name);
}

void TWkColorComboBox::ChangeColor(int index, TColor color, const QString& displayName) {
    if (index < 0 || index >= count() - (HasDialogEntry() ? 1 : 0))
        return;
    Items().Put(index, displayName);
    Items().PutObject(index, color);
}

bool TWkColorComboBox::DoNewColor(TColor color, QString& displayName) {
    bool allowAdd = FindColor(color) == -1;
    if (OnNewColor)
        OnNewColor(*this, color, displayName, allowAdd);
    return allowAdd;
}

void TWkColorComboBox::DoGetDisplayName(int index, TColor color, QString& displayName) {
    if (OnGetDisplayName)
        OnGetDisplayName(*this, index, color, displayName);
    else
        displayName = ColorDisplayName(color, displayName);
}

bool TWkColorComboBox::DoInsertColor(int /*index*/, TColor color, QString& displayName) {
    bool allowAdd = true;
    if (OnInsertColor)
        OnInsertColor(*this, color, displayName, allowAdd);
    return allowAdd;
}

void TWkColorComboBox::InternalInsertColor(int index, TColor color, const QString& displayName) {
    Items().InsertObject(index, displayName, color);
}

void TWkColorComboBox::GetCustomColors(QList<TColor>& colors) const {
    const int end = count() - (HasDialogEntry() ? 1 : 0);
    for (int index = std::max(0, end - FCustomColorCount); index < end; ++index)
        colors << ItemColor(index);
}

void TWkColorComboBox::SetCustomColors(const QList<TColor>& colors) {
    for (const TColor color : colors) {
        if (color == -1)
            continue;
        QString name = FNewColorText;
        if (!DoNewColor(color, name))
            continue;
        InsertColor(count() - 1, color, TextFormat(name, {FCustomColorCount}));
        ++FCustomColorCount;
    }
}

QStringList TWkColorComboBox::GetCustomColorsStrings() {
    QList<TColor> colors;
    GetCustomColors(colors);
    FCustomColors.clear();
    for (int slot = 0; slot < colors.size(); ++slot)
        FCustomColors << CustomColorLine(slot, colors[slot]);
    return FCustomColors;
}

// Unused slots come back white; a slot that does not read as hexadecimal is skipped.
void TWkColorComboBox::SetCustomColorsStrings(const QStringList& lines) {
    FCustomColors = lines;
    QList<TColor> colors;
    for (int slot = 0; slot < lines.size(); ++slot) {
        const std::optional<TColor> color = CustomColorOfSlot(lines, slot);
        if (color && *color != clWhite)
            colors << *color;
    }
    SetCustomColors(colors);
}

void TWkColorComboBox::Click() {
    if (FExecutingDialog)
        return;
    if (HasDialogEntry() && ItemIndex() == count() - 1)
        ExecuteColorDialog();
    else if (ItemIndex() >= 0)
        SetColorValue(ItemColor(ItemIndex()));
    TWkCustomComboBox::Click();
}

void TWkColorComboBox::ExecuteColorDialog() {
    struct DialogMark {
        bool& open;
        explicit DialogMark(bool& flag) : open(flag) { open = true; }
        ~DialogMark() { open = false; }
    } mark(FExecutingDialog);
    QString name = FNewColorText;
    const std::optional<ColorDialogAnswer> answer =
        uiHost().colorDialog(ColorDialogRequest{FColorValue, GetCustomColorsStrings()});
    if (!answer) {
        SetItemIndex(count() - 2);
        return;
    }
    SetCustomColorsStrings(answer->customColors);
    if (DoNewColor(answer->color, name))
        ++FCustomColorCount;
    const QString newColorText = FNewColorText;
    FNewColorText = name;
    SetColorValue(answer->color);
    FNewColorText = newColorText;
    Change();
}

void TWkColorComboBox::FitItemHeight() {
    SetItemHeight(std::max(MinimumItemHeight, QFontMetrics(font()).height() + 1));
}

bool TWkColorComboBox::NotifyFontChanged(QEvent* event) {
    const bool result = TWkCustomComboBox::NotifyFontChanged(event);
    FitItemHeight();
    return result;
}

bool TWkColorComboBox::NotifyParentFontChanged(QEvent* event) {
    const bool result = TWkCustomComboBox::NotifyParentFontChanged(event);
    FitItemHeight();
    return result;
}

void TWkColorComboBox::DrawItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state) {
    if (index >= count())
        return;
    const TColor color = ItemColor(index);
    const bool dialogEntry = HasDialogEntry() && index == count() - 1;
    const bool withText = (FOptions & (coText | coHex | coRGB)) != 0;
    const TRect box{rect.Left + 2, rect.Top + 2,
                    withText || dialogEntry ? rect.Left + FColorWidth : rect.Right - 3,
                    rect.Bottom - 2};
    const TColor brush = canvas.Brush.Color;
    const TColor controlColor = FromQColor(palette().color(QPalette::Base));
    canvas.Brush.Color = controlColor;
    canvas.FillRect(rect);
    canvas.Brush.Color = ShadowColor;
    canvas.FillRect(TRect{box.Left + 2, box.Top + 2, box.Right + 2, box.Bottom + 2});
    canvas.Brush.Color = color;
    canvas.Rectangle(box);
    canvas.Brush.Color = brush;
    canvas.Brush.Style = bsSolid;

    if (dialogEntry) {
        QString text = FColorDialogText;
        DoGetDisplayName(index, color, text);
        canvas.Brush.Color = controlColor;
        canvas.FillRect(rect);
        rect.Left += 2;
        rect.Right = rect.Left + canvas.TextWidth(text) + 2;
        FillTextBackground(canvas, rect, brush);
        DrawTransparentText(canvas, text, rect);
    } else if (withText) {
        QString text = Items().Get(index);
        DoGetDisplayName(index, color, text);
        if (text != FColorDialogText) {
            if (FOptions & coHex) {
                text = TextFormat(QStringLiteral("0x%.6x"), {ColorToRGB(color)});
            } else if (FOptions & coRGB) {
                text = TextFormat(QStringLiteral("(%d,%d,%d)"),
                                  {GetRValue(color), GetGValue(color), GetBValue(color)});
            }
        }
        rect.Left += FColorWidth + 6;
        rect.Right = rect.Left + canvas.TextWidth(text) + 6;
        FillTextBackground(canvas, rect, brush);
        DrawTransparentText(canvas, text,
                            TRect{rect.Left + 2, rect.Top, rect.Right + 2, rect.Bottom});
    } else {
        canvas.Brush.Color = brush;
        canvas.FrameRect(rect);
    }
    if (state & odSelected)
        DrawFocusRect(canvas, rect);
}
