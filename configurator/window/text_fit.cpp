#include "configurator/window/text_fit.h"

#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <optional>
#include <typeinfo>

namespace {

constexpr double FontStep = 0.5;
// The style draws a closed list's item one pixel in from either side of its edit field.
constexpr int ComboTextInset = 2;
// A line edit keeps two pixels clear on either side of its text.
constexpr int LineEditTextInset = 4;

int ComboChrome(const QWidget* near, int width) {
    QStyleOptionComboBox option;
    option.initFrom(near);
    option.rect.setWidth(width);
    option.editable = false;
    const QRect field = near->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, nullptr);
    return width - field.width() + ComboTextInset;
}

int ComboRoom(const QComboBox* combo) {
    if (combo->isEditable()) {
        return combo->lineEdit()->contentsRect().width() - LineEditTextInset;
    }
    return combo->width() - ComboChrome(combo, combo->width());
}

int CheckChrome(const QWidget* near) {
    const QStyle* style = near->style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, near) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, near) + 1;
}

// Whether control's texts fit it in font; nothing when control is of no kind measured here.
std::optional<bool> Fits(const QWidget* control, const QFont& font) {
    if (typeid(*control) == typeid(QComboBox)) {
        const auto* combo = static_cast<const QComboBox*>(control);
        return WidestText(font, ComboItems(combo)) <= ComboRoom(combo);
    }
    if (typeid(*control) == typeid(QCheckBox)) {
        const auto* box = static_cast<const QCheckBox*>(control);
        return box->text().isEmpty() || CheckWidthFor(box, font, box->text()) <= box->width();
    }
    if (typeid(*control) == typeid(QLabel)) {
        const auto* label = static_cast<const QLabel*>(control);
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().isEmpty()) {
            return true;
        }
        const int room = label->contentsRect().width() - 2 * std::max(label->margin(), 0);
        return QFontMetrics(font).horizontalAdvance(label->text()) <= room;
    }
    return std::nullopt;
}

} // namespace

int WidestText(const QFont& font, const QStringList& texts) {
    // The layouts measure the same lists again for every row, every grid font size they try and
    // every language switch; a text's width in a font never changes.
    static QHash<QFont, QHash<QString, int>> widthsByFont;
    QHash<QString, int>& widths = widthsByFont[font];
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts) {
        auto known = widths.constFind(text);
        if (known == widths.constEnd()) {
            known = widths.insert(text, metrics.horizontalAdvance(text));
        }
        widest = std::max(widest, *known);
    }
    return widest;
}

int ComboWidthFor(const QWidget* near, const QFont& font, const QStringList& items) {
    constexpr int Probe = 100;
    return WidestText(font, items) + ComboChrome(near, Probe);
}

int CheckWidthFor(const QWidget* near, const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text) + CheckChrome(near);
}

void FitTextFont(QWidget* control, QFont font) {
    if (!Fits(control, font).has_value()) {
        return;
    }
    while (!Fits(control, font).value() && font.pointSizeF() - FontStep >= MinimumFontPointSize) {
        font.setPointSizeF(font.pointSizeF() - FontStep);
    }
    // A control that shows its parent's font keeps inheriting it: setting the same font again
    // would only make a combo box build its drop-down list.
    if (font == control->font()) {
        return;
    }
    control->setFont(font);
}
