// Every text of the window fits the room its control gives it: the design texts and each shipped
// language, every item of every list (not only the one shown), at the window's fixed size.
// Controls are walked by their exact standard type, so a control that becomes a library control
// of its own drawing leaves this walk instead of being measured by the wrong rules.

#include "components/grid/string_grid.h"
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
#include <QTabWidget>
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

// Grid text keeps two pixels clear of either side of its cell.
constexpr int GridCellInset = 2;

// A caption must hold each of its words on a line of its column and all its lines in the caption
// row; every other cell its one line, in the fixed font where the cell is fixed.
void AddGrid(TWkStringGrid* grid, QList<Fit>& fits) {
    const QFontMetrics fixed(ToQFont(grid->FixedFont()));
    const QFontMetrics cells(ToQFont(grid->Font));
    for (int col = 0; col < grid->ColCount(); ++col) {
        const int room = grid->ColWidths(col) - 2 * GridCellInset;
        const QString caption = grid->Cells(col, 0);
        const QString name = QStringLiteral("%1 column %2").arg(NameOf(grid)).arg(col);
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            fits.append({name, word, fixed.horizontalAdvance(word), room});
        }
        const QRect lines = fixed.boundingRect(QRect(0, 0, room, 10 * grid->RowHeights(0)),
                                               Qt::TextWordWrap, caption);
        fits.append({name + QStringLiteral(" caption height"), caption, lines.height(),
                     grid->RowHeights(0)});
        const QFontMetrics& metrics = col < grid->FixedCols() ? fixed : cells;
        for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
            const QString text = grid->Cells(col, row);
            fits.append({name, text, metrics.horizontalAdvance(text), room});
        }
    }
}

// Each editable column's in-place editor, opened over a cell as the user opens it, must show
// every item it offers whole, and so must the cell once the item is chosen.
void AddGridEditors(TMForm& window, QList<Fit>& fits) {
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("WkPageControl"));
    pages->setCurrentIndex(TMForm::TabKNP);
    const char* editors[] = {"KnpGrid_CB_Type",  "KnpGrid_CB_Number", "KnpGrid_CB_Mode",
                             "KnpGrid_CB_Shift", "KnpGrid_CB_TimOn",  "KnpGrid_CB_TimOf"};
    for (const char* gridName : {"KnpGrid", "KbMsGrid"}) {
        auto* grid =
            dynamic_cast<TWkStringGrid*>(window.findChild<QWidget*>(QString::fromLatin1(gridName)));
        const QFontMetrics cells(ToQFont(grid->Font));
        for (int col = grid->FixedCols(); col < grid->ColCount(); ++col) {
            if (grid == window.findChild<QWidget*>(QStringLiteral("KnpGrid"))) {
                window.KnpGridSelectCell(col, 1);
                window.KnpGridDblClick();
            } else {
                window.KbMsGridSelectCell(col, 1);
                window.KbMsGridDblClick();
            }
            auto* editor = window.findChild<QComboBox*>(QString::fromLatin1(editors[col]));
            EXPECT_TRUE(editor->isVisible()) << gridName << " column " << col;
            const QString name = QStringLiteral("%1 in %2").arg(NameOf(editor), gridName);
            const int room = ComboRoom(editor);
            for (int i = 0; i < editor->count(); ++i) {
                const QString item = editor->itemText(i);
                fits.append({name, item, editor->fontMetrics().horizontalAdvance(item), room});
                fits.append({QStringLiteral("%1 column %2").arg(gridName).arg(col), item,
                             cells.horizontalAdvance(item),
                             grid->ColWidths(col) - 2 * GridCellInset});
            }
            window.GridEditorDone(col);
        }
    }
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
        } else if (auto* grid = dynamic_cast<TWkStringGrid*>(widget)) {
            AddGrid(grid, fits);
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

    // The button grids fit their texts once their page shows.
    Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabKNP);
    QList<Fit> fits = WindowFits(window);
    AddGridEditors(window, fits);
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
