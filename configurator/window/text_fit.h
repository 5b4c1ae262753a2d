#pragma once
// Measures the room a standard control gives its text, by the control's own style and font, and
// makes a control's font smaller where a text (a list item, a caption from a language file) would
// not fit that room otherwise.

#include <QStringList>

class QFont;
class QWidget;

// The widest of texts in font, in pixels.
int WidestText(const QFont& font, const QStringList& texts);

// The width a drop-down list in font needs to show each of items whole, in the style of near.
int ComboWidthFor(const QWidget* near, const QFont& font, const QStringList& items);

// The width a check box of near's style needs for its box and text in font.
int CheckWidthFor(const QWidget* near, const QFont& font, const QString& text);

constexpr double MinimumFontPointSize = 6.5;

// Gives control (a drop-down list, a check box or a one-line caption) font, made smaller in half
// points down to MinimumFontPointSize until every text it shows (every item of a list) fits the
// control. Controls of other kinds keep their font.
void FitTextFont(QWidget* control, QFont font);
