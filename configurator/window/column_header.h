#pragma once
// A table column's caption: centred, wrapped onto as many lines as the label's height holds and
// bottom-aligned on the column. It is drawn in a smaller font, smaller still when a word of the
// caption would not fit the column otherwise; a word that does not fit even then breaks inside
// itself rather than being cut off. The tool tip always shows the whole current caption.

#include <QLabel>

class ColumnHeader : public QLabel {
    Q_OBJECT

public:
    ColumnHeader(const QString& text, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
