#pragma once
// How a control looks while the mouse is over it: a fill colour and an optional frame. The
// owner reads the options when it paints; changes are announced through the property events.

#include "components/base/persistent_property.h"
#include "platform/ui/color.h"

class TWkHotTrackOptions : public TWkPersistentProperty {
    Q_OBJECT

public:
    static constexpr TColor DefaultColor = 0xD2BDB6;
    static constexpr TColor DefaultFrameColor = 0x6A240A;

    explicit TWkHotTrackOptions(QObject* owner);

    // Copies all four values from other options inside one update bracket, so the owner hears
    // one unnamed change. Raises EConvertError for any other kind of source.
    void Assign(const QObject* source);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool FrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);

private:
    template <typename T> void Change(T& field, T value, const QString& propName);

    bool FEnabled = false;
    TColor FColor = DefaultColor;
    bool FFrameVisible = false;
    TColor FFrameColor = DefaultFrameColor;
};
