#pragma once
// The texts a language puts on the window: captions of named controls (by objectName), the
// headers and row labels of the two button grids. Item lists and check messages are built by
// the configuration model from the same lines.

#include "configurator/model/language_lines.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct LanguageCaption {
    QString objectName;
    QString text;
};

// Every caption a language sets, the composed ones included ("TabOSI_SF", "osi_value",
// "osi_value_pr", "hat_1_on", "hat_2_on").
QList<LanguageCaption> languageCaptions(const LanguageLines& lines);

// Header row of KnpGrid (buttonGrid true) or KbMsGrid, columns 0..5.
QStringList buttonGridHeaders(const LanguageLines& lines, bool buttonGrid);

// Column 0 of KnpGrid data row (1..64): line 135 + " " + row.
QString buttonGridRowLabel(const LanguageLines& lines, int row);

// The window's control with that objectName, or nullptr.
using FindNamedControl = std::function<QWidget*(const QString& objectName)>;

// Sets each caption on the control find gives for its name: a tab page's tab text, a group
// box's title, a button's or label's text. Names without such a control are skipped. Returns
// the controls captioned, in the order of captions.
QList<QWidget*> applyLanguageCaptions(const FindNamedControl& find,
                                      const QList<LanguageCaption>& captions);
