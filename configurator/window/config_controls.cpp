#include "configurator/window/config_controls.h"

#include "configurator/window/color_combo.h"
#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

ConfigControls FindConfigControls(const QWidget& root, const ControlArrays& rows) {
    ConfigControls c;
    c.rows = &rows;
    const char* directions[] = {"up", "dw", "lf", "rt"};
    for (int hat = 0; hat < HatCount; ++hat) {
        c.hatOn[hat] = FindNamed<QCheckBox>(root, NumberName("hat_%1_on", hat + 1));
        for (int d = 0; d < 4; ++d) {
            c.hatDirections[hat][d] = FindNamed<QComboBox>(
                root, QStringLiteral("hat_%1_%2").arg(hat + 1).arg(QLatin1String(directions[d])));
        }
    }
    for (int k = 0; k < MatrixLineCount; ++k) {
        c.matrixRows[k] = FindNamed<QComboBox>(root, NumberName("hw_br_%1", k + 1));
        c.matrixColumns[k] = FindNamed<QComboBox>(root, NumberName("hw_bc_%1", k + 1));
    }
    for (int k = 0; k < ShiftButtonCount; ++k) {
        c.shiftButtons[k] = FindNamed<QComboBox>(root, NumberName("btn_shift_%1", k + 1));
        c.buttonTimers[k] = FindNamed<QLineEdit>(root, NumberName("btn_timer_%1", k + 1));
    }
    for (int k = 0; k < EncoderCount; ++k) {
        c.encoders[k] = {FindNamed<QComboBox>(root, NumberName("enc_%1_l", k + 1, 2)),
                         FindNamed<QComboBox>(root, NumberName("enc_%1_r", k + 1, 2))};
    }
    for (int k = 0; k < ShiftRegisterCount; ++k) {
        c.registerPins[k] = FindNamed<QComboBox>(root, NumberName("sr_%1_prt", k + 1, 2));
        c.registerLengths[k] = FindNamed<QComboBox>(root, NumberName("sr_%1_len", k + 1, 2));
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        c.rangeButtons[k] = FindNamed<QComboBox>(root, NumberName("ab_%1_b", k + 1, 2));
        c.rangeAxes[k] = FindNamed<QComboBox>(root, NumberName("ab_%1_a", k + 1, 2));
        c.rangeLows[k] = FindNamed<QLineEdit>(root, NumberName("ab_%1_l", k + 1, 2));
        c.rangeHighs[k] = FindNamed<QLineEdit>(root, NumberName("ab_%1_h", k + 1, 2));
    }
    c.poll = FindNamed<QComboBox>(root, QStringLiteral("dev_poll"));
    c.ledPort = FindNamed<QComboBox>(root, QStringLiteral("led_port"));
    c.ledColorInit = FindNamed<TWkColorComboBox>(root, QStringLiteral("led_color_init"));
    c.vendorId = FindNamed<QLineEdit>(root, QStringLiteral("dev_vid"));
    c.productId = FindNamed<QLineEdit>(root, QStringLiteral("dev_pid"));
    c.name = FindNamed<QLineEdit>(root, QStringLiteral("dev_name"));
    return c;
}
