#pragma once
// The whole controller configuration as plain data: item indexes and numbers, never widget
// texts. A value-initialised Config is the state the reset button leaves before the check runs
// its clamps (delays and speeds still 0). Rows, slots and table rows are stored 0-based: axis
// row N (1..10) is axes[N - 1], logical button r (1..64) is knpTable[r - 1].

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

constexpr int AxisRowCount = 10;
constexpr int JoystickAxisCount = 8; // rows 1..8 feed the joystick; rows 9 and 10 the mouse
constexpr int SlotCount = 6;
constexpr int CurvePointCount = 9;
constexpr int LogicalButtonCount = 64;
constexpr int KbMsRowCount = 15;
constexpr int PhysicalButtonCount = 96;
constexpr int PinCount = 48; // A0..F7
constexpr int MatrixLineCount = 10;
constexpr int HatCount = 2;
constexpr int ShiftButtonCount = 3;
constexpr int ButtonTimerCount = 3;
constexpr int EncoderCount = 6;
constexpr int ShiftRegisterCount = 2;
constexpr int AxisButtonRangeCount = 4;

constexpr int CurvePointDefault = 100;
constexpr int CurvePointMax = 200;
constexpr int DeadZoneMax = 15;
constexpr int CalibrationMax = 65535;
constexpr int StepMax = 100;
constexpr int ButtonTimerMax = 254;

// Source indexes with a meaning of their own (the rest are sensor chips).
constexpr int SourceNone = 0;
constexpr int SourceVirtual = 1;

struct AxisRow {
    int source = 0;          // osi_N_src: 0 none, 1 virtual axis, 2 internal ADC, 3..11 chips
    int port = 0;            // osi_N_src_port: 0 "--", 1..48 A0..F7
    int channel = 0;         // osi_N_src_chnl: 0 "--", 1..8
    int usage = 0;           // osi_N_name: 0 "--", 1..13 X..Elevator (rows 9-10: 1..2)
    int filter = 0;          // osi_N_filter: 0..13
    bool invert = false;     // osi_N_invert
    int autoCalibration = 0; // osi_N_acal: 0..4
    int precision = 0;       // osi_N_prcsn: 0..6 = 8..14 bits
    int specialFunction = 0; // osi_N_specfunc: 0 none, 1..6 slot
    int deadZoneLow = 0;     // osi_N_dzl 0..15
    int deadZoneCentre = 0;  // osi_N_dzc 0..15
    int deadZoneHigh = 0;    // osi_N_dzh 0..15
    int deadZoneSecond = 0;  // osi_N_dzd 0..15
    int calibrationMin = 0;  // osi_N_acal_min 0..65535
    int calibrationCentre = 0;
    int calibrationMax = 0;
    std::optional<int> step = 0; // osi_N_ms_step; empty when the edit holds no number
    int buttonUp = 0;            // osi_N_ms_btn_u: 0 "--", 1..96
    int buttonCentre = 0;        // osi_N_ms_btn
    int buttonDown = 0;          // osi_N_ms_btn_d

    bool operator==(const AxisRow&) const = default;
};

struct SpecialFunctionSlot {
    std::array<int, CurvePointCount> points{100, 100, 100, 100, 100, 100, 100, 100, 100};
    bool symmetric = false;       // osi_S_curve_s
    int button = 0;               // osi_S_zm_knp: 0 "--", 1..96
    std::optional<int> delay = 0; // osi_S_zm_del; empty when the edit holds no number
    std::optional<int> speed = 0; // osi_S_zm_spd

    bool operator==(const SpecialFunctionSlot&) const = default;
};

// Directions of a hat in image order.
enum HatDirection { HatUp = 0, HatDown = 1, HatLeft = 2, HatRight = 3 };

struct Hat {
    bool on = false;                 // hat_K_on; not stored in the images
    std::array<int, 4> directions{}; // hat_K_up, _dw, _lf, _rt: 0 "--", 1..96

    bool operator==(const Hat&) const = default;
};

// One row of KnpTable: item indexes of the grid editor lists.
struct KnpRow {
    int number = 0; // physical input 0..96, 0 = none
    int mode = 0;   // 0..4
    int shift = 0;  // 0..3
    int timOn = 0;  // 0..3
    int timOf = 0;  // 0..1

    bool operator==(const KnpRow&) const = default;
};

// One row of KbMsTable: a keyboard or mouse function and the button that triggers it.
struct KbMsRow : KnpRow {
    int type = 0; // index into the 130-item function list

    bool operator==(const KbMsRow&) const = default;
};

struct Encoder {
    int left = 0; // enc_0K_l: 0 "--", 1..96
    int right = 0;

    bool operator==(const Encoder&) const = default;
};

struct ShiftRegister {
    int pin = 0;    // sr_0K_prt: 0 "--", 1..48
    int length = 0; // sr_0K_len: 0 "--", 1..4

    bool operator==(const ShiftRegister&) const = default;
};

struct AxisButtonRange {
    int button = 0; // ab_0K_b: 0 "--", 1..96
    int axis = 0;   // ab_0K_a: 0 "--", 1..8
    int low = 0;    // ab_0K_l number
    int high = 0;   // ab_0K_h number

    bool operator==(const AxisButtonRange&) const = default;
};

// USB identity as typed: four hex digits each and up to 15 name characters.
struct DeviceIdentity {
    QString vendorId = QStringLiteral("8888");
    QString productId = QStringLiteral("8888");
    QString name = QStringLiteral("Tavro2");

    bool operator==(const DeviceIdentity&) const = default;
};

struct Config {
    std::array<AxisRow, AxisRowCount> axes{};
    std::array<SpecialFunctionSlot, SlotCount> specialFunctions{};
    std::array<Hat, HatCount> hats{};
    std::array<int, MatrixLineCount> matrixRows{};    // hw_br_1..10: pin index
    std::array<int, MatrixLineCount> matrixColumns{}; // hw_bc_1..10: pin index
    std::array<KnpRow, LogicalButtonCount> knpTable{};
    std::array<KbMsRow, KbMsRowCount> kbMsTable{};
    std::array<int, ShiftButtonCount> shiftButtons{}; // btn_shift_1..3: 0 "--", 1..96
    std::array<int, ButtonTimerCount> buttonTimers{}; // btn_timer_1..3: 0..254
    std::array<Encoder, EncoderCount> encoders{};
    std::array<ShiftRegister, ShiftRegisterCount> shiftRegisters{};
    std::array<AxisButtonRange, AxisButtonRangeCount> axisButtonRanges{};
    int pollInterval = 2;           // dev_poll: 0 "-", 1 "1", 2 "2", 3 "4", 4 "8"
    int ledPort = 0;                // led_port: 0 "--", 1..48
    std::uint32_t ledColorInit = 0; // led_color_init as $00BBGGRR (system colours resolved)
    DeviceIdentity identity;

    bool operator==(const Config&) const = default;
};

// btnClrConfigClick: every row without source, hats off, tables cleared, identity "8888",
// "8888", "Tavro2", poll "2", curves at 100. The check then clamps delays to 2 and speeds to 1.
inline Config DefaultConfig() {
    return Config{};
}

// BTN_ClearButtonsClick: every row of both button tables back to item 0.
inline void ClearButtonTables(Config& config) {
    config.knpTable = {};
    config.kbMsTable = {};
}
