// Every text of the window fits the room its control gives it: the design texts and each shipped
// language, every item of every list (not only the one shown), at the window's fixed size.
// Controls are walked by their exact standard type, so a control that becomes a library control
// of its own drawing leaves this walk instead of being measured by the wrong rules.

#include "configurator/model/live_data.h"
#include "tests/configurator/window/wiring_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <typeinfo>

namespace {

// One text in one control: the pixels it needs and the pixels the control gives it.
struct Fit {
    QString control;
    QString text;
    int needed;
    int room;
};

template <typename Control> bool IsExactly(const QWidget* widget) {
    return typeid(*widget) == typeid(Control);
}

QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty()
               ? QStringLiteral("<%1 at %2,%3>")
                     .arg(QLatin1String(widget->metaObject()->className()))
                     .arg(widget->x())
                     .arg(widget->y())
               : widget->objectName();
}

// A closed list shows its item in the edit field less a pixel on each side; an editable one in
// its line edit.
int ComboRoom(QComboBox* combo) {
    if (combo->isEditable()) {
        return combo->lineEdit()->contentsRect().width() - 4;
    }
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    return combo->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
               .width() -
           2;
}

void AddCombo(QComboBox* combo, QList<Fit>& fits) {
    const int room = ComboRoom(combo);
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        fits.append({NameOf(combo), text, combo->fontMetrics().horizontalAdvance(text), room});
    }
}

void AddCheck(QCheckBox* box, QList<Fit>& fits) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    fits.append({NameOf(box), box->text(), box->fontMetrics().horizontalAdvance(box->text()),
                 box->text().isEmpty() ? 0 : contents.width()});
}

void AddButton(QPushButton* button, QList<Fit>& fits) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    fits.append({NameOf(button), button->text(),
                 button->fontMetrics().horizontalAdvance(button->text()), contents.width()});
}

// A wrapping caption must hold each of its words on a line and all its lines in its height;
// any other caption its one line.
void AddLabel(QLabel* label, QList<Fit>& fits) {
    const QString text = label->text();
    if (text.isEmpty()) {
        return;
    }
    const QFontMetrics metrics = label->fontMetrics();
    if (!label->wordWrap()) {
        fits.append({NameOf(label), text, label->sizeHint().width(), label->width()});
        fits.append({NameOf(label) + QStringLiteral(" height"), text, label->sizeHint().height(),
                     label->height()});
        return;
    }
    const QRect room = label->contentsRect();
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        fits.append({NameOf(label), word, metrics.horizontalAdvance(word), room.width()});
    }
    const QRect lines =
        metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
    fits.append({NameOf(label) + QStringLiteral(" height"), text, lines.height(), room.height()});
}

void AddLineEdit(QLineEdit* edit, QList<Fit>& fits) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    // The line edit keeps two pixels clear on either side of its text.
    fits.append({NameOf(edit), edit->text(), edit->fontMetrics().horizontalAdvance(edit->text()),
                 contents.width() - 4});
}

// The widest debug line the controller can send: every debug word at its widest.
QString WidestDebugLine() {
    LiveData data;
    data.debugWords.fill(0xFFFF);
    return DebugLineText(data);
}

QList<Fit> WindowFits(QWidget& window) {
    QList<Fit> fits;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (IsExactly<QComboBox>(widget) && !widget->isHidden()) {
            AddCombo(static_cast<QComboBox*>(widget), fits);
        } else if (IsExactly<QCheckBox>(widget)) {
            AddCheck(static_cast<QCheckBox*>(widget), fits);
        } else if (IsExactly<QPushButton>(widget)) {
            AddButton(static_cast<QPushButton*>(widget), fits);
        } else if (IsExactly<QLabel>(widget)) {
            AddLabel(static_cast<QLabel*>(widget), fits);
        } else if (widget->objectName() == QLatin1String("DebugText")) {
            AddLineEdit(static_cast<QLineEdit*>(widget), fits);
        }
    }
    return fits;
}

struct LanguageCase {
    const char* name;
    const char* language; // empty: the design texts, no language file chosen
};

class TextFitTest : public WiringTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(TextFitTest, EveryTextFitsItsControl) {
    for (const char* file : {"English.lng", "Russian.lng"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRO_PROGRAM_DIR "/") + file, Path(file)));
    }
    WriteSettings({QString::fromUtf8(GetParam().language), "Debug"});
    TMForm& window = Open();
    ASSERT_EQ(window.State().LngStrings.lines().isEmpty(), *GetParam().language == '\0');
    window.show();
    Find<QLineEdit>("DebugText")->setText(WidestDebugLine());
    // The status line of a connected controller with a device name of the full 15 characters.
    Find<QLabel>("connect_status")
        ->setText(window.State().LngStrings.line(46) +
                  QStringLiteral(" VID[8888] PID[8888] Tavro2 Joystick"));

    const QList<Fit> fits = WindowFits(window);
    ASSERT_GT(fits.size(), 1000) << "the walk found the window's controls";
    for (const Fit& fit : fits) {
        EXPECT_LE(fit.needed, fit.room)
            << fit.control.toStdString() << ": \"" << fit.text.toStdString() << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest,
                         ::testing::Values(LanguageCase{"Design", ""},
                                           LanguageCase{"English", "English"},
                                           LanguageCase{"Russian", "Russian"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
