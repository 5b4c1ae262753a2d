#pragma once
// Live figures are written many times a second, mostly unchanged: an edit given the text it
// already shows would still be laid out and repainted.

#include <QLineEdit>
#include <QString>

inline void SetChangedText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}
