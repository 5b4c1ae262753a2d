#pragma once
// The configurator's main window: the device group above six pages, the debug line and the tool
// buttons below. Owns the HID controller, the shared state and the three timers; its handlers
// carry the names of the window's scheme.

#include "configurator/window/config_controls.h"
#include "configurator/window/control_arrays.h"
#include "configurator/window/form_state.h"
#include "platform/hidclass/hidsdi.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>

class FormExchange;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class StatisticsPage;
class TWkStringGrid;
class TWkChart;
class TWkHidDeviceController;
class TWkPageControl;

class TMForm final : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs FormCreate. programFolder holds the settings and language
    // files; the program passes its executable's folder.
    explicit TMForm(const QString& programFolder, QWidget* parent = nullptr);
    ~TMForm() override;

    const FormState& State() const { return state_; }
    const ControlArrays& Arrays() const { return arrays_; }
    QTimer& TmrGetRawData() { return tmrGetRawData_; }
    QTimer& TmrForVisual() { return tmrForVisual_; }
    QTimer& TmrPerSecond() { return tmrPerSecond_; }
    TWkHidDeviceController& HID() { return *hid_; }
    // The controller exchange, LED sheet and live-data poll; exists once FormCreate has run.
    FormExchange& Exchange() { return *exchange_; }

    // Pages of WkPageControl, by the index the handlers test.
    enum Page { TabOSI, TabOSI_SF, TabKNP, TabLED, TabFMW, TabJoyStat };

    // The common not-connected reaction: status line 8, red picture, the three given buttons
    // disabled (read, write and restart unless a caller names others). Shows no dialog.
    void ShowNoDevice();
    void ShowNoDevice(QPushButton* first, QPushButton* second, QPushButton* third);

    void TmrGetRawDataTimer();
    void TmrForVisualTimer();
    void TmrPerSecondTimer();
    // Input reports of the borrowed interfaces; only the joystick interface's reach the
    // statistics page.
    void HIDDeviceData(TWkHidDevice* device, BYTE reportId, const BYTE* data, WORD size);

    bool FormCloseQuery();
    void FormClose();
    // The seven settings lines as the window holds them now.
    SettingsRecord CurrentSettings() const;

    // Device list and the selected controller's interfaces.
    bool HIDEnumerate(TWkHidDevice* device, int index);
    void HIDDeviceChange(QObject* sender);
    void lstHID_DeviceListClick();
    void btn_clr_dev_listClick();

    // The configuration the window shows, with the button tables.
    Config CurrentConfig() const;
    // Shows config in every control, the button tables and grids included, with each row's
    // enabling, then runs the check.
    void SetConfig(const Config& config);
    // Axis rows: enabling and values forced by each row's source, then the check.
    void osi_Change();
    void btnClrConfigClick();
    void hat_1_onClick();
    void dev_vidChange();
    void btn_timer_1Change();
    void osi_1_cal_01_editChange();
    // The delay and speed edits of the special-function slots: the check.
    void osi_1_filterChange();
    // Bound to no control, kept for callers that move a calibration value or a curve point
    // without its edit firing: the check, and a redraw of the curve view.
    void osi_1_cal_01_sldrChange();
    void osi_1_curve_03Change();
    // Validates the configuration, shows the verdict in chk_report_info and keeps ConfigError.
    void CheckConfig();
    // OnKeyPress of the number edits, of dev_vid and dev_pid, and of dev_name: a key the edit
    // does not take is swallowed (key := 0); then the check.
    void DigitControl(QObject* sender, QChar& key);
    void HexDigitControl(QObject* sender, QChar& key);
    void dev_nameKeyPress(QObject* sender, QChar& key);

    // Special-function slots: the shown curve and its highlighted point editors.
    void osi_S_curve_Click(int slot);
    void CurveVisualRefrash();
    // The live position of the axis chosen in CurveVisualAxis: moves the curve chart's cursor
    // there and refreshes the curve.
    void ShowCurveAxisPosition(int value);

    // Button grids and their in-place editors.
    void BTN_ClearButtonsClick();
    void KnpGridSelectCell(int col, int row);
    void KbMsGridSelectCell(int col, int row);
    void KnpGridDblClick();
    void KbMsGridDblClick();
    void KnpGridEditButtonClick();
    void KbMsGridEditButtonClick();
    // The editors' Change and Exit handlers: each closes its editor and stores the choice.
    void KnpGrid_CB_TypeChange();
    void KnpGrid_CB_NumberChange();
    void KnpGrid_CB_ModeChange();
    void KnpGrid_CB_ShiftChange();
    void KnpGrid_CB_TimOnChange();
    void KnpGrid_CB_TimOfChange();
    void KnpGrid_CB_TypeExit();
    void KnpGrid_CB_NumberExit();
    void KnpGrid_CB_ModeExit();
    void KnpGrid_CB_ShiftExit();
    void KnpGrid_CB_TimOnExit();
    void KnpGrid_CB_TimOfExit();
    // Change or Exit of the editor of grid column col (0 Type .. 5 TimOf).
    void GridEditorDone(int col);

    // Configuration file set, settings file and languages.
    void btnWrite_PCClick();
    void btnRead_PCClick();
    void TranslateChange();

    // Firmware loader, serial ports, registry cleaning, tools and the about box.
    void btnStartFirmwareClick();
    void BtnGetCPortsClick();
    void clear_regClick();
    void btn_aboutClick();
    // The tool buttons: a tool program from the tools folder (nothing when it is not there), the
    // system's panels, the donation page.
    void Direct_Input_ViewerClick();
    void USBDeviewClick();
    void DAZ_Button_TesterClick();
    void DAZ_Joystick_TesterClick();
    void btn_devmgmtClick();
    void Windows_JoysticksClick();
    void BtnDonateClick();
    // OnClick of the status pictures: the about box.
    void img_redClick(QObject* sender);
    void img_grnClick(QObject* sender);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Fits the button grids when their page is first shown after their texts changed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FormExchange;

    void BuildPages();
    void FitButtonGridsWhenShown();
    void FindControls();
    void ConnectHandlers();
    void ConnectConfigHandlers();
    void CheckConfigTyping(const QWidget* typing);
    void ShowRules(const Config& config);
    void ConnectCurveHandlers();
    // Finds both charts and gives the statistics page its controls and handlers.
    void AttachCharts();
    // Pens, value counts and colours of both charts at start.
    void SetupCharts();
    void ShowCurveChart();
    void CreateHidController();
    void ListDevice(TWkHidDevice* device);
    bool Borrow(TWkHidDevice* device, TWkHidDevice*& reference);
    void ShowConnected(const HIDD_ATTRIBUTES& attributes, const QString& product);
    QString ConnectedStatusText(const HIDD_ATTRIBUTES& attributes, const QString& product) const;
    // Gives both borrowed interfaces back to the controller, so their readers stop.
    void DropDevices();
    void ClearDeviceList();
    // Offers every device to HIDEnumerate; nothing when there is no controller.
    void EnumerateDevices();
    void ConnectGridHandlers();
    void ShowButtonTables();
    void OpenGridEditor(TWkStringGrid* grid, GridEditorState& editor, GridEditorState& other);
    void FormCreate();
    void ApplySettings();
    void ApplyFirmwarePageSettings();
    void ListLanguages();
    void StartTimers();
    void StopEverything();
    // The close steps: timers stopped for good, one pause, the device list and both
    // interfaces let go. Run by the close query and again by the close.
    void ReleaseForClose();
    void DebugViewClick();
    int ActivePage() const;
    void ConnectFileHandlers();
    void ConnectLanguageHandlers();
    void ConnectLoaderHandlers();
    // Encodes the shown configuration into the three images and the descriptor dump. A value
    // with no encoding or a descriptor beyond the controller's limit sets ConfigError and shows
    // in the check line; with no encoding the images stay as they were and the result is false.
    bool ConfigToReport();
    void ApplyLanguage(const LanguageLines& lines);
    void RebuildAxisLists(const LanguageLines& lines);
    void RelabelButtonGrids(const LanguageLines& lines);
    void RelabelConnectStatus();

    QString programFolder_;
    FormState state_;
    ControlArrays arrays_;
    ConfigControls controls_;
    std::unique_ptr<TWkHidDeviceController> hid_;
    QTimer tmrGetRawData_;
    QTimer tmrForVisual_;
    QTimer tmrPerSecond_;
    bool closed_ = false;
    // The button grids are fitted to their texts once their page shows: fitting measures every
    // cell and editor item, which a start need not wait for while the page is hidden.
    bool buttonGridsFitPending_ = true;

    TWkPageControl* pages_ = nullptr;
    QLabel* connectStatus_ = nullptr;
    QLabel* imgRed_ = nullptr;
    QLabel* imgGrn_ = nullptr;
    QPushButton* btnRead_MK_ = nullptr;
    QPushButton* btnWrite_MK_ = nullptr;
    QPushButton* btnRestart_ = nullptr;
    QListWidget* deviceList_ = nullptr;
    QComboBox* translate_ = nullptr;
    QCheckBox* debugView_ = nullptr;
    QLineEdit* debugText_ = nullptr;
    QLineEdit* checkInfo_ = nullptr;
    TWkStringGrid* knpGrid_ = nullptr;
    TWkStringGrid* kbMsGrid_ = nullptr;
    std::array<QComboBox*, 6> gridEditors_{}; // KnpGrid_CB_Type .. KnpGrid_CB_TimOf
    std::unique_ptr<StatisticsPage> statistics_;
    TWkChart* curveVisual_ = nullptr;
    QComboBox* curveVisualAxis_ = nullptr;
    QLineEdit* curveVisualAxisValueFixed_ = nullptr;
    std::unique_ptr<FormExchange> exchange_;
};
