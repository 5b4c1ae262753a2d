#pragma once
// An owner-drawn combo box whose items are colours: each item's value is a TColor and its text
// a display name. The list holds the standard colours, the system colours, colours added by
// code or by the colour dialog, and last an entry that opens the dialog (through the UI host).

#include "components/combo/combo_box.h"

#include <QStringList>

enum TWkColorComboOption : unsigned {
    coText = 1u << 0,
    coHex = 1u << 1,
    coRGB = 1u << 2,
    coStdColors = 1u << 3,
    coSysColors = 1u << 4,
    coCustomColors = 1u << 5,
};
using TWkColorComboOptions = unsigned; // TWkColorComboOption bits

class TWkColorComboBox : public TWkCustomComboBox {
    Q_OBJECT
public:
    // The dialog entry's value; no colour of the list ever equals it.
    static constexpr TColor DialogEntryValue = 1;

    using TNewColorEvent = std::function<void(TWkColorComboBox& sender, TColor color,
                                              QString& displayName, bool& allowAdd)>;
    using TGetColorNameEvent = std::function<void(TWkColorComboBox& sender, int index, TColor color,
                                                  QString& displayName)>;

    explicit TWkColorComboBox(QWidget* parent = nullptr,
                              TWkColorComboOptions options = coText | coStdColors);

    // The chosen colour. Setting a colour that is not listed adds it (captioned NewColorText)
    // and selects it; a listed one is only selected. Change runs when the selection moved.
    TColor ColorValue() const { return FColorValue; }
    void SetColorValue(TColor color);

    TWkColorComboOptions Options() const { return FOptions; }
    void SetOptions(TWkColorComboOptions options);
    // Caption of added colours, a pattern of Format with the number of custom colours so far
    // as its argument; setting a colour raises EConvertError when the pattern does not fit it.
    const QString& NewColorText() const { return FNewColorText; }
    void SetNewColorText(const QString& text) { FNewColorText = text; }
    const QString& ColorDialogText() const { return FColorDialogText; }
    void SetColorDialogText(const QString& text);
    int ColorWidth() const { return FColorWidth; }
    void SetColorWidth(int width);
    TColor HiliteColor() const { return FHiliteColor; }
    void SetHiliteColor(TColor color);
    TColor HiliteText() const { return FHiliteText; }
    void SetHiliteText(TColor color);
    int CustomColorCount() const { return FCustomColorCount; }
    // The width the list opens with (the open list's own while open): never less than the box.
    int DroppedDownWidth() const;
    void SetDroppedDownWidth(int width) { SetDropDownWidth(width); }
    // Lines "identifier=display name" that rename colours; empty unless a form fills it.
    const QStringList& ColorNameMap() const { return FColorNameMap; }
    void SetColorNameMap(const QStringList& lines);
    // The colour dialog's custom colours as lines "ColorA=bbggrr".
    const QStringList& CustomColors() const { return FCustomColors; }

    // Rebuilding waits while updates nest; the outermost EndUpdate rebuilds. Both return the
    // nesting left.
    int BeginUpdate();
    int EndUpdate();
    // Fills the list anew from the options; custom colours added before are dropped.
    void GetColors();

    // The display name of a colour: its ColorNameMap entry (names compared ignoring case),
    // else defaultName when given, else its identifier without "cl".
    QString ColorDisplayName(TColor color, const QString& defaultName) const;
    QString ColorName(TColor color);
    // Index of the first item of that colour, never the dialog entry; -1 when not listed.
    int FindColor(TColor color) const;
    void AddColor(TColor color, const QString& displayName);
    void InsertColor(int index, TColor color, const QString& displayName);
    void ChangeColor(int index, TColor color, const QString& displayName);
    void GetCustomColors(QList<TColor>& colors) const;
    void SetCustomColors(const QList<TColor>& colors);
    QStringList GetCustomColorsStrings();
    void SetCustomColorsStrings(const QStringList& lines);

    TNewColorEvent OnNewColor;
    TNewColorEvent OnInsertColor;
    TGetColorNameEvent OnGetDisplayName;
    TNotifyEvent OnBeforeCustom;

protected:
    virtual bool DoNewColor(TColor color, QString& displayName);
    virtual void DoGetDisplayName(int index, TColor color, QString& displayName);
    virtual bool DoInsertColor(int index, TColor color, QString& displayName);
    virtual void InternalInsertColor(int index, TColor color, const QString& displayName);

    void DrawItem(TCanvas& canvas, int index, TRect rect, TOwnerDrawState state) override;
    TColor SelectedColor() const override { return FHiliteColor; }
    TColor SelectedTextColor() const override { return FHiliteText; }
    void Click() override;
    bool NotifyFontChanged(QEvent* event) override;
    bool NotifyParentFontChanged(QEvent* event) override;

private:
    bool HasDialogEntry() const;
    TColor ItemColor(int index) const;
    void ExecuteColorDialog();
    void FitItemHeight();
    void FollowSelection(int index);

    TColor FColorValue = clBlack;
    int FCustomColorCount = 0;
    TColor FHiliteColor = clHighlight;
    TColor FHiliteText = clHighlightText;
    TWkColorComboOptions FOptions;
    QString FNewColorText;
    QString FColorDialogText;
    int FColorWidth = 21;
    int FUpdateCount = 0;
    bool FExecutingDialog = false;
    QStringList FColorNameMap;
    QStringList FCustomColors;
};
