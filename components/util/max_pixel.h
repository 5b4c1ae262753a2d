#pragma once
// Cuts a text from its end until it fits a width in pixels, measured with the owning control's
// font or a font of its own.

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

class TWkMaxPixel {
public:
    // parent measures the text (its screen's resolution); it is not owned and may be null.
    explicit TWkMaxPixel(QWidget* parent);

    // The width limit in pixels; 0 means no limit.
    int Length() const { return FLength; }
    void SetLength(int value);
    // Measure with the font given to Test (the control's) rather than Font.
    bool UseControlFont() const { return FUseControlFont; }
    void SetUseControlFont(bool value);
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& font);

    // Raised when the limit, the font choice or the own font changes.
    std::function<void()> OnChanged;

    // Removes characters from the end of value until it fits (no ellipsis is added; a character
    // outside the basic plane goes whole). Returns
    // whether the text was too wide on entry; with no limit value stays as it is and the
    // result is true.
    bool Test(QString& value, const QFont& parentFont) const;

private:
    void Changed();

    bool FUseControlFont = true;
    int FLength = 0;
    QFont FFont;
    QWidget* FParent;
};
