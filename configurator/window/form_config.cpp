// The window's configuration handlers: axis rows, hats, identity and number edits, the reset
// to defaults and the check line.

#include "configurator/model/axis_rules.h"
#include "configurator/model/config_check.h"
#include "configurator/model/edit_filters.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/config_binder.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/key_filter.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

Config TMForm::CurrentConfig() const {
    return ReadConfig(controls_, state_.KnpTable, state_.KbMsTable);
}

void TMForm::SetConfig(const Config& config) {
    state_.KnpTable = config.knpTable;
    state_.KbMsTable = config.kbMsTable;
    ShowButtonTables();
    ShowRules(config);
    CurveVisualRefrash();
    CheckConfig();
}

void TMForm::ShowRules(const Config& config) {
    ShowConfig(controls_, config);
    ShowEnabling(controls_, config);
}

void TMForm::osi_Change() {
    Config config = CurrentConfig();
    ApplyAxisRules(config);
    ShowAxisRules(controls_, config);
    ShowEnabling(controls_, config);
    CheckConfig();
}

void TMForm::btnClrConfigClick() {
    Config config = DefaultConfig();
    ApplyHatRule(config);
    ShowRules(config);
    BTN_ClearButtonsClick();
    osi_Change();
    const QSignalBlocker blocker(controls_.ledColorInit);
    controls_.ledColorInit->setCurrentIndex(0);
}

void TMForm::hat_1_onClick() {
    Config config = CurrentConfig();
    ApplyHatRule(config);
    ShowHats(controls_, config);
    ShowEnabling(controls_, config);
    CheckConfig();
}

void TMForm::dev_vidChange() {
    DeviceIdentity identity = CurrentConfig().identity;
    CutIdentity(identity);
    SetTextQuietly(controls_.vendorId, identity.vendorId);
    SetTextQuietly(controls_.productId, identity.productId);
    SetTextQuietly(controls_.name, identity.name);
    CheckConfig();
}

void TMForm::btn_timer_1Change() {
    for (QLineEdit* timer : controls_.buttonTimers) {
        SetTextQuietly(timer, ClampedTimerText(timer->text()));
    }
    CheckConfig();
}

// Every row's step is held to 0..100, the calibration values and range bounds to what their
// image fields hold, so the window shows what a write sends and a read brings back.
void TMForm::osi_1_cal_01_editChange() {
    for (int n = 1; n <= AxisRows; ++n) {
        SetTextQuietly(arrays_.OsiMsStep[n], ClampedStepText(arrays_.OsiMsStep[n]->text()));
        for (QLineEdit* edit :
             {arrays_.OsiAcalMin[n], arrays_.OsiAcalCen[n], arrays_.OsiAcalMax[n]}) {
            SetTextQuietly(edit, LimitedText(edit->text(), CalibrationMax));
        }
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        for (QLineEdit* edit : {controls_.rangeLows[k], controls_.rangeHighs[k]}) {
            SetTextQuietly(edit, LimitedText(edit->text(), RangeBoundMax));
        }
    }
    CheckConfig();
}

void TMForm::osi_1_filterChange() {
    CheckConfig();
}

void TMForm::osi_1_cal_01_sldrChange() {
    CheckConfig();
}

void TMForm::CheckConfig() {
    CheckConfigTyping(QApplication::focusWidget());
}

// The clamps of the check leave the delay or speed edit being typed in alone until its editing
// ends, so a value such as 15 can be typed digit by digit.
void TMForm::CheckConfigTyping(const QWidget* typing) {
    Config config = CurrentConfig();
    const CheckResult result =
        ::CheckConfig(config, state_.LngStrings, ComboItems(arrays_.OsiSrc[1]));
    ShowSlotTimings(controls_, config, typing);
    checkInfo_->setText(result.message);
    state_.ConfigError = !result.ok;
    if (result.ok && state_.ConfigDevice == nullptr) {
        ShowNoDevice();
    }
}

void TMForm::DigitControl(QObject*, QChar& key) {
    if (!IsDigitKey(key)) {
        key = QChar(0);
    }
    CheckConfig();
}

void TMForm::HexDigitControl(QObject*, QChar& key) {
    if (!IsHexDigitKey(key)) {
        key = QChar(0);
    }
    CheckConfig();
}

void TMForm::dev_nameKeyPress(QObject*, QChar& key) {
    if (!IsDeviceNameKey(key)) {
        key = QChar(0);
    }
    CheckConfig();
}

void TMForm::ConnectConfigHandlers() {
    const ControlArrays& a = arrays_;
    auto osiChange = Guarded([this] { osi_Change(); });
    auto check = Guarded([this] { CheckConfig(); });
    const TKeyPressEvent digitControl(this, &TMForm::DigitControl);
    for (int n = 1; n <= AxisRows; ++n) {
        for (QComboBox* combo : {a.OsiSrc[n], a.OsiSrcPort[n], a.OsiSrcChnl[n], a.OsiName[n],
                                 a.OsiMsBtn[n], a.OsiMsBtnD[n], a.OsiMsBtnU[n]}) {
            connect(combo, &QComboBox::activated, this, osiChange);
        }
        for (QSpinBox* spin : {a.OsiDzl[n], a.OsiDzc[n], a.OsiDzh[n], a.OsiDzd[n]}) {
            connect(spin, &QSpinBox::valueChanged, this, osiChange);
        }
        for (QLineEdit* edit :
             {a.OsiMsStep[n], a.OsiAcalMin[n], a.OsiAcalCen[n], a.OsiAcalMax[n], a.OsiValue[n],
              a.OsiAxisValue[n], FindNamed<QLineEdit>(*this, NumberName("adc_error_%1", n))}) {
            KeyFilter::Install(edit, digitControl);
            connect(edit, &QLineEdit::textChanged, this,
                    Guarded([this] { osi_1_cal_01_editChange(); }));
        }
    }
    for (int s = 1; s <= CurveSlots; ++s) {
        for (QLineEdit* edit : {a.ZmDel[s], a.ZmSpd[s]}) {
            KeyFilter::Install(edit, digitControl);
            connect(edit, &QLineEdit::textChanged, this, Guarded([this] { osi_1_filterChange(); }));
            connect(edit, &QLineEdit::editingFinished, this,
                    Guarded([this] { CheckConfigTyping(nullptr); }));
        }
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        for (QLineEdit* edit : {controls_.rangeLows[k], controls_.rangeHighs[k]}) {
            KeyFilter::Install(edit, digitControl);
            connect(edit, &QLineEdit::textChanged, this,
                    Guarded([this] { osi_1_cal_01_editChange(); }));
        }
        connect(controls_.rangeAxes[k], &QComboBox::activated, this, check);
    }
    for (QLineEdit* timer : controls_.buttonTimers) {
        KeyFilter::Install(timer, digitControl);
        connect(timer, &QLineEdit::textChanged, this, Guarded([this] { btn_timer_1Change(); }));
    }
    for (QComboBox* shift : controls_.shiftButtons) {
        connect(shift, &QComboBox::activated, this, check);
    }
    for (int hat = 0; hat < HatCount; ++hat) {
        connect(controls_.hatOn[hat], &QCheckBox::toggled, this,
                Guarded([this] { hat_1_onClick(); }));
        for (QComboBox* direction : controls_.hatDirections[hat]) {
            connect(direction, &QComboBox::activated, this, check);
        }
    }
    for (QLineEdit* id : {controls_.vendorId, controls_.productId}) {
        KeyFilter::Install(id, TKeyPressEvent(this, &TMForm::HexDigitControl));
    }
    KeyFilter::Install(controls_.name, TKeyPressEvent(this, &TMForm::dev_nameKeyPress));
    for (QLineEdit* edit : {controls_.vendorId, controls_.productId, controls_.name}) {
        connect(edit, &QLineEdit::textChanged, this, Guarded([this] { dev_vidChange(); }));
    }
    connect(FindNamed<QComboBox>(*this, "joy_hardware"), &QComboBox::activated, this, osiChange);
    connect(FindNamed<QPushButton>(*this, "btnClrConfig"), &QPushButton::clicked, this,
            Guarded([this] { btnClrConfigClick(); }));
}
