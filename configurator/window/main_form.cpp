#include "configurator/window/main_form.h"

#include "components/grid/string_grid.h"
#include "components/pages/page_control.h"
#include "configurator/files/language_file.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/form_exchange.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/named_control.h"
#include "configurator/window/statistics_page.h"
#include "configurator/window/timer_pause.h"
#include "hid/hid_controller.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>

Q_LOGGING_CATEGORY(lcWindow, "tavro.window")

namespace {

constexpr int ClientWidth = 1175;
constexpr int ClientHeight = 694;

// The settings file's record; a file that is missing or cannot be read gives seven empty lines,
// so the start goes on with no language, no debug line and no controller chosen.
SettingsRecord ReadSettings(const QString& programFolder) {
    const QString path = settingsFilePath(programFolder);
    if (!QFileInfo::exists(path)) {
        return {};
    }
    QString error;
    const auto settings = readSettingsFile(path, &error);
    if (!settings) {
        qCInfo(lcWindow) << error;
        return {};
    }
    return *settings;
}

} // namespace

TMForm::TMForm(const QString& programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder) {
    setWindowTitle(QStringLiteral("Tavro2 [20150717] (pick the controller in the list, then read "
                                  "its configuration)"));
    setFixedSize(ClientWidth, ClientHeight);
    BuildMainGroup(this);
    BuildPages();
    BuildBottomLine(this);
    const ControlNameIndex controlNames(*this);
    FindControls();
    AttachCharts();
    tmrGetRawData_.setInterval(100);
    tmrForVisual_.setInterval(10);
    tmrPerSecond_.setInterval(1000);
    ConnectHandlers();
    RunGuarded([this] { CreateHidController(); });
    RunGuarded([this] { FormCreate(); });
}

void TMForm::FitButtonGridsWhenShown() {
    QWidget* page = knpGrid_->parentWidget();
    buttonGridsFitPending_ = !page->isVisible();
    if (!buttonGridsFitPending_) {
        FitButtonGrids(page);
    }
}

bool TMForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && buttonGridsFitPending_ &&
        watched == knpGrid_->parentWidget()) {
        buttonGridsFitPending_ = false;
        FitButtonGrids(knpGrid_->parentWidget());
    }
    return QWidget::eventFilter(watched, event);
}

TMForm::~TMForm() {
    StopEverything();
    DropDevices();
}

void TMForm::BuildPages() {
    pages_ = new TWkPageControl(this);
    pages_->setObjectName(QStringLiteral("WkPageControl"));
    pages_->setGeometry(0, PagesTop, ClientWidth, PagesHeight);
    struct PageDesign {
        const char* name;
        const char* caption;
        void (*build)(QWidget*);
    };
    const PageDesign designs[] = {
        {"TabOSI", "Axes", BuildAxisPage},
        {"TabOSI_SF", "Axes (curves)", BuildCurvePage},
        {"TabKNP", "Buttons", BuildButtonPage},
        {"TabLED", "LED", BuildLedPage},
        {"TabFMW", "Firmware", BuildFirmwarePage},
        {"TabJoyStat", "Statistics", BuildStatisticsPage},
    };
    for (const PageDesign& design : designs) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(design.name));
        design.build(page);
        pages_->addTab(page, QString::fromLatin1(design.caption));
    }
}

void TMForm::FindControls() {
    connectStatus_ = FindNamed<QLabel>(*this, "connect_status");
    imgRed_ = FindNamed<QLabel>(*this, "img_red");
    imgGrn_ = FindNamed<QLabel>(*this, "img_grn");
    btnRead_MK_ = FindNamed<QPushButton>(*this, "btnRead_MK");
    btnWrite_MK_ = FindNamed<QPushButton>(*this, "btnWrite_MK");
    btnRestart_ = FindNamed<QPushButton>(*this, "btnRestart");
    deviceList_ = FindNamed<QListWidget>(*this, "lstHID_DeviceList");
    translate_ = FindNamed<QComboBox>(*this, "Translate");
    debugView_ = FindNamed<QCheckBox>(*this, "DebugView");
    debugText_ = FindNamed<QLineEdit>(*this, "DebugText");
    checkInfo_ = FindNamed<QLineEdit>(*this, "chk_report_info");
    knpGrid_ = FindNamed<TWkStringGrid>(*this, "KnpGrid");
    kbMsGrid_ = FindNamed<TWkStringGrid>(*this, "KbMsGrid");
    knpGrid_->parentWidget()->installEventFilter(this);
    static_assert(std::size(GridEditorNames) == std::tuple_size_v<decltype(gridEditors_)>);
    for (std::size_t col = 0; col < gridEditors_.size(); ++col) {
        gridEditors_[col] = FindNamed<QComboBox>(*this, GridEditorNames[col]);
    }
}

void TMForm::ConnectHandlers() {
    connect(&tmrGetRawData_, &QTimer::timeout, this, Guarded([this] { TmrGetRawDataTimer(); }));
    connect(&tmrForVisual_, &QTimer::timeout, this, Guarded([this] { TmrForVisualTimer(); }));
    connect(&tmrPerSecond_, &QTimer::timeout, this, Guarded([this] { TmrPerSecondTimer(); }));
    connect(debugView_, &QCheckBox::toggled, this, Guarded([this] { DebugViewClick(); }));
    ConnectGridHandlers();
    ConnectFileHandlers();
    ConnectLanguageHandlers();
    ConnectLoaderHandlers();
}

void TMForm::FormCreate() {
    arrays_ = AssignObjects(*this);
    controls_ = FindConfigControls(*this, arrays_);
    ConnectConfigHandlers();
    ConnectCurveHandlers();
    exchange_ = std::make_unique<FormExchange>(*this);
    state_.ReportLengths = {254, 246, 223, 169, 5};
    state_.GridEdit = {};
    state_.Settings = ReadSettings(programFolder_);
    ApplySettings();
    ListLanguages();
    TranslateChange();
    btnClrConfigClick();
    osi_Change();
    SetupCharts();
    pages_->setCurrentIndex(TabOSI);
    ClearDeviceList();
    DropDevices();
    EnumerateDevices();
    CheckConfig();
    StartTimers();
}

void TMForm::ApplySettings() {
    state_.FilterVid = state_.Settings.filterVid();
    state_.FilterPid = state_.Settings.filterPid();
    debugView_->setChecked(state_.Settings.debugView());
    debugText_->setVisible(debugView_->isChecked());
    ApplyFirmwarePageSettings();
}

// The close writes the firmware page back, so what was chosen last time must be shown again or
// it would be lost on the next close. A line that is empty or names no loader leaves the design
// value.
void TMForm::ApplyFirmwarePageSettings() {
    const SettingsRecord& settings = state_.Settings;
    if (!settings.comPort.isEmpty()) {
        FindNamed<QLineEdit>(*this, "com_port")->setText(settings.comPort);
    }
    if (!settings.firmwareFile.isEmpty()) {
        FindNamed<QLineEdit>(*this, "FileFirm")->setText(settings.firmwareFile);
    }
    auto* loaders = FindNamed<QComboBox>(*this, "select_bootloader");
    bool isNumber = false;
    const int loader = settings.loaderKind.toInt(&isNumber);
    if (isNumber && loader >= 0 && loader < loaders->count()) {
        loaders->setCurrentIndex(loader);
    }
}

void TMForm::ListLanguages() {
    translate_->clear();
    translate_->addItems(listLanguageNames(programFolder_));
    // The language files are found ignoring case, so the settings file's name is too; a name
    // equal in case wins where two files differ in case only.
    const QString& language = state_.Settings.language;
    int index = translate_->findText(language, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        index = translate_->findText(language, Qt::MatchFixedString);
    }
    translate_->setCurrentIndex(index);
}

void TMForm::StartTimers() {
    tmrPerSecond_.start();
    tmrForVisual_.start();
    tmrGetRawData_.start();
}

void TMForm::ShowNoDevice() {
    ShowNoDevice(btnRead_MK_, btnWrite_MK_, btnRestart_);
}

void TMForm::ShowNoDevice(QPushButton* first, QPushButton* second, QPushButton* third) {
    connectStatus_->setText(state_.LngStrings.line(8));
    first->setEnabled(false);
    second->setEnabled(false);
    third->setEnabled(false);
    imgRed_->show();
    imgGrn_->hide();
}

int TMForm::ActivePage() const {
    return pages_->currentIndex();
}

void TMForm::TmrGetRawDataTimer() {
    const TimerPause pause(tmrGetRawData_, closed_);
    if (exchange_) {
        exchange_->TmrGetRawDataTimer();
    }
}

void TMForm::DebugViewClick() {
    if (debugView_->isChecked()) {
        debugText_->show();
    } else {
        debugText_->hide();
        debugText_->clear();
    }
}

void TMForm::StopEverything() {
    closed_ = true;
    tmrGetRawData_.stop();
    tmrPerSecond_.stop();
    tmrForVisual_.stop();
}

void TMForm::ReleaseForClose() {
    const bool running = !closed_;
    StopEverything();
    // Gives the timers' last work time to end; when the close query has paused already, the
    // close itself does not wait again.
    if (running) {
        uiHost().sleep(100);
    }
    ClearDeviceList();
    DropDevices();
}

bool TMForm::FormCloseQuery() {
    ReleaseForClose();
    return true;
}

void TMForm::FormClose() {
    ReleaseForClose();
    QString error;
    if (!writeSettingsFile(settingsFilePath(programFolder_), CurrentSettings(), &error)) {
        uiHost().messageBox(error, QStringLiteral("Tavro2"), MB_OK | MB_ICONERROR);
    }
}

SettingsRecord TMForm::CurrentSettings() const {
    SettingsRecord settings;
    settings.language = translate_->currentText();
    settings.debug = SettingsRecord::debugLine(debugView_->isChecked());
    settings.comPort = FindNamed<QLineEdit>(*this, "com_port")->text();
    settings.firmwareFile = FindNamed<QLineEdit>(*this, "FileFirm")->text();
    settings.loaderKind =
        QString::number(FindNamed<QComboBox>(*this, "select_bootloader")->currentIndex());
    settings.vendorId = SettingsRecord::idLine(state_.FilterVid);
    settings.productId = SettingsRecord::idLine(state_.FilterPid);
    return settings;
}

void TMForm::closeEvent(QCloseEvent* event) {
    bool allowed = true;
    RunGuarded([&] { allowed = FormCloseQuery(); });
    if (allowed) {
        RunGuarded([this] { FormClose(); });
        event->accept();
    } else {
        event->ignore();
    }
}
