#include "configurator/window/config_controls.h"

#include "configurator/window/color_combo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <stdexcept>

namespace {

template <typename Control> Control* Find(const QWidget& root, const QString& name) {
    auto* control = root.findChild<Control*>(name);
    if (control == nullptr) {
        throw std::runtime_error("Control not found: " + name.toStdString());
    }
    return control;
}

QString Name(const char* pattern, int number, int width = 1) {
    return QString::fromLatin1(pattern).arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

ConfigControls FindConfigControls(const QWidget& root, const ControlArrays& rows) {
    ConfigControls c;
    c.rows = &rows;
    const char* directions[] = {"up", "dw", "lf", "rt"};
    for (int hat = 0; hat < HatCount; ++hat) {
        c.hatOn[hat] = Find<QCheckBox>(root, Name("hat_%1_on", hat + 1));
        for (int d = 0; d < 4; ++d) {
            c.hatDirections[hat][d] = Find<QComboBox>(
                root, QStringLiteral("hat_%1_%2").arg(hat + 1).arg(QLatin1String(directions[d])));
        }
    }
    for (int k = 0; k < MatrixLineCount; ++k) {
        c.matrixRows[k] = Find<QComboBox>(root, Name("hw_br_%1", k + 1));
        c.matrixColumns[k] = Find<QComboBox>(root, Name("hw_bc_%1", k + 1));
    }
    for (int k = 0; k < ShiftButtonCount; ++k) {
        c.shiftButtons[k] = Find<QComboBox>(root, Name("btn_shift_%1", k + 1));
        c.buttonTimers[k] = Find<QLineEdit>(root, Name("btn_timer_%1", k + 1));
    }
    for (int k = 0; k < EncoderCount; ++k) {
        c.encoders[k] = {Find<QComboBox>(root, Name("enc_%1_l", k + 1, 2)),
                         Find<QComboBox>(root, Name("enc_%1_r", k + 1, 2))};
    }
    for (int k = 0; k < ShiftRegisterCount; ++k) {
        c.registerPins[k] = Find<QComboBox>(root, Name("sr_%1_prt", k + 1, 2));
        c.registerLengths[k] = Find<QComboBox>(root, Name("sr_%1_len", k + 1, 2));
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        c.rangeButtons[k] = Find<QComboBox>(root, Name("ab_%1_b", k + 1, 2));
        c.rangeAxes[k] = Find<QComboBox>(root, Name("ab_%1_a", k + 1, 2));
        c.rangeLows[k] = Find<QLineEdit>(root, Name("ab_%1_l", k + 1, 2));
        c.rangeHighs[k] = Find<QLineEdit>(root, Name("ab_%1_h", k + 1, 2));
    }
    c.poll = Find<QComboBox>(root, QStringLiteral("dev_poll"));
    c.ledPort = Find<QComboBox>(root, QStringLiteral("led_port"));
    c.ledColorInit = Find<ColorCombo>(root, QStringLiteral("led_color_init"));
    c.vendorId = Find<QLineEdit>(root, QStringLiteral("dev_vid"));
    c.productId = Find<QLineEdit>(root, QStringLiteral("dev_pid"));
    c.name = Find<QLineEdit>(root, QStringLiteral("dev_name"));
    return c;
}
