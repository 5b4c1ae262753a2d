// Tab through each page of the window, and through the main group above the pages, with real key
// presses: it must visit the controls group by group, and within a group row by row from left
// to right, as they stand on the page.

#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <algorithm>
#include <numeric>

namespace {

// Tops closer than this stand on one row; the layouts' rows lie at least 20 pixels apart.
constexpr int RowTolerance = 8;

struct GroupedContainer {
    const char* container;
    int page; // -1: not on a page
    // The container's groups in the order Tab visits them, each given by its controls' names.
    std::vector<const char*> groups;
};

const GroupedContainer Containers[] = {
    {"grp_main",
     -1,
     {"^(lstHID_DeviceList|btn_clr_dev_list)$", "^(Translate|btn_about|joy_hardware)$",
      "^(btnRead_MK|btnWrite_MK|btnRead_PC|btnWrite_PC|btnClrConfig)$",
      "^(joy_uptime|dev_name|dev_vid|dev_pid|dev_poll|chk_report_info)$"}},
    {"osi_table", TMForm::TabOSI, {"^(osi_\\d+_|joy_osi_\\d+_t|adc_error_)"}},
    {"TabOSI_SF", TMForm::TabOSI_SF, {"^osi_\\d_(curve|zm)_", "^CurveVisual"}},
    {"TabKNP",
     TMForm::TabKNP,
     {"^KnpGrid$", "^KbMsGrid$", "^hat_\\d_", "^btn_(shift|timer)_\\d$", "^BTN_ClearButtons$",
      "^hw_b[rc]_", "^sr_", "^enc_", "^ab_"}},
    {"TabLED", TMForm::TabLED, {"^led_(port|color_\\d\\d)$", "^led_(color_init|get|set)$"}},
    {"TabFMW",
     TMForm::TabFMW,
     {"^(select_bootloader|command_file|FileFirm|com_port|BtnGetCPorts|chk_autofirmware|"
      "joy_hardware_mcu|btnStartFirmware)$",
      "^(btnOpenBL|btnRestart|btnResetCnf)$", "^(btn_devmgmt|clear_reg)$"}},
    {"TabJoyStat",
     TMForm::TabJoyStat,
     {"^joy_osi_visual_(max|min)$", "^joy_osi_(use|clr)_0[12]$",
      "^joy_osi_(raw|min|max|stp|fps)_0\\d$", "^(joy_usbpps|JoyStatReset)$"}},
};

// Reading order of controls by their places: rows from the top, each from left to right.
QList<QWidget*> InReadingOrder(QList<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    std::vector<int> rows;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const bool sameRow = i > 0 && controls[i]->y() - controls[i - 1]->y() <= RowTolerance &&
                             controls[i]->y() - controls[i - 1]->y() >= 0;
        rows.push_back(i == 0 ? 0 : rows.back() + (sameRow ? 0 : 1));
    }
    std::vector<qsizetype> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return rows[a] != rows[b] ? rows[a] < rows[b] : controls[a]->x() < controls[b]->x();
    });
    QList<QWidget*> sorted;
    for (qsizetype i : order) {
        sorted << controls[i];
    }
    return sorted;
}

// The container's own control that holds the focus widget (an editable list's edit, say).
QWidget* OwnControl(QWidget* focused, const QWidget* container) {
    while (focused != nullptr && focused->parentWidget() != container) {
        focused = focused->parentWidget();
    }
    return focused;
}

// The controls' names in order, as one line for a readable failure.
std::string Names(const QList<QWidget*>& controls) {
    QStringList names;
    for (const QWidget* control : controls) {
        names << control->objectName();
    }
    return names.join(QLatin1Char(' ')).toStdString();
}

class TabOrderTest : public WindowTest {};

TEST_F(TabOrderTest, TabVisitsEachPageGroupByGroupAndRowByRow) {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    for (const GroupedContainer& c : Containers) {
        SCOPED_TRACE(c.container);
        if (c.page >= 0) {
            Find<QTabWidget>("WkPageControl")->setCurrentIndex(c.page);
        }
        auto* container = Find<QWidget>(c.container);
        QList<QWidget*> stops;
        for (QWidget* control : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(container)) {
                // Tab passes disabled controls by; every control takes part here.
                control->setEnabled(true);
                stops << control;
            }
        }
        QList<QWidget*> expected;
        for (const char* pattern : c.groups) {
            const QRegularExpression names(QString::fromLatin1(pattern));
            QList<QWidget*> group;
            for (QWidget* control : stops) {
                if (names.match(control->objectName()).hasMatch()) {
                    group << control;
                }
            }
            EXPECT_FALSE(group.isEmpty()) << pattern;
            expected << InReadingOrder(group);
        }
        QList<QWidget*> outside = stops;
        outside.removeIf([&](QWidget* control) { return expected.contains(control); });
        EXPECT_EQ(Names(outside), "") << "controls in no group";
        EXPECT_EQ(expected.size(), QSet<QWidget*>(expected.begin(), expected.end()).size())
            << "controls in two groups";
        ASSERT_FALSE(expected.isEmpty());

        expected.first()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited{OwnControl(QApplication::focusWidget(), container)};
        while (visited.size() < expected.size()) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            visited << OwnControl(QApplication::focusWidget(), container);
        }
        EXPECT_EQ(Names(visited), Names(expected));
    }
}

// The fault a user met: Tab from the second timer went to the third shift button, where a digit
// typed set that button and changed the button count.
TEST_F(TabOrderTest, TabFromTheSecondTimerGoesToTheThird) {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    Find<QTabWidget>("WkPageControl")->setCurrentIndex(TMForm::TabKNP);
    auto* shift3 = Find<QComboBox>("btn_shift_3");
    const int shiftBefore = shift3->currentIndex();
    Find<QLineEdit>("btn_timer_2")->setFocus(Qt::TabFocusReason);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("btn_timer_3"));
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
    QApplication::sendEvent(QApplication::focusWidget(), &digit);
    EXPECT_EQ(shift3->currentIndex(), shiftBefore);
}

} // namespace
