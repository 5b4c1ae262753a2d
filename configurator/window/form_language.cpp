// The window's language switch: captions, messages and the lists whose items come from the
// chosen language file, with the configuration kept across the rebuild of those lists.

#include "components/grid/string_grid.h"
#include "configurator/files/language_captions.h"
#include "configurator/files/language_switch.h"
#include "configurator/model/item_lists.h"
#include "configurator/model/report_codec.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "configurator/window/text_fit.h"
#include "hid/hid_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace {

constexpr int NumberEditor = 1;

void SetItems(QComboBox* combo, const QStringList& items) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
}

// A caption longer than its control has room for is shown whole in a smaller font.
void FitCaptions(const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        if (control->parentWidget() != nullptr) {
            FitTextFont(control, control->parentWidget()->font());
        }
    }
}

} // namespace

void TMForm::ConnectLanguageHandlers() {
    connect(translate_, &QComboBox::activated, this, Guarded([this] { TranslateChange(); }));
}

// Rebuilding the lists loses their selections, so the configuration shown is parked before the
// switch and shown again afterwards. It is kept in memory: the temporary file is only a copy,
// and a failure to write it loses nothing.
void TMForm::TranslateChange() {
    const Config parked = CurrentConfig();
    const EncodeResult encoded = ::ConfigToReport(parked);
    LanguageSwitchRequest request;
    request.programFolder = programFolder_;
    request.language = translate_->currentText();
    request.settings = state_.Settings;
    request.settings.language = request.language;
    request.settings.debug = SettingsRecord::debugLine(debugView_->isChecked());
    request.settings.vendorId = SettingsRecord::idLine(state_.FilterVid);
    request.settings.productId = SettingsRecord::idLine(state_.FilterPid);
    const ReportImage& parkedImage = encoded.ok() ? encoded.images.general : state_.Images.general;
    switchLanguage(request, parkedImage, [&](const LanguageLines& lines) {
        if (encoded.ok()) {
            state_.Images = encoded.images;
            state_.HidDebugLines = encoded.descriptor.debugLines;
        }
        ApplyLanguage(lines);
        BTN_ClearButtonsClick();
        SetConfig(parked);
    });
}

void TMForm::ApplyLanguage(const LanguageLines& lines) {
    state_.LngStrings = lines;
    const auto find = [this](const QString& name) {
        return ControlNameIndex::Find(*this, name);
    };
    FitCaptions(applyLanguageCaptions(find, languageCaptions(lines)));
    RebuildAxisLists(lines);
    RelabelButtonGrids(lines);
    RelabelConnectStatus();
}

// The status line is written only when the connection changes; its words follow the language
// at once.
void TMForm::RelabelConnectStatus() {
    if (state_.ConfigDevice != nullptr && imgGrn_->isVisibleTo(this)) {
        connectStatus_->setText(ConnectedStatusText(state_.ConfigDevice->Attributes(),
                                                    state_.ConfigDevice->ProductName()));
    } else {
        connectStatus_->setText(state_.LngStrings.line(8));
    }
}

void TMForm::RebuildAxisLists(const LanguageLines& lines) {
    const QStringList filters = FilterItems();
    const QStringList calibrations = AutoCalibrationItems(lines);
    const QStringList sources = SourceItems(lines);
    for (int n = 1; n <= AxisRows; ++n) {
        SetItems(arrays_.OsiFilter[n], filters);
        SetItems(arrays_.OsiAcal[n], calibrations);
        SetItems(arrays_.OsiSrc[n], sources);
        const QFont font = arrays_.OsiSrc[n]->parentWidget()->font();
        FitTextFont(arrays_.OsiAcal[n], font);
        FitTextFont(arrays_.OsiSrc[n], font);
    }
}

void TMForm::RelabelButtonGrids(const LanguageLines& lines) {
    const int rowHeight = gridEditors_[NumberEditor]->height();
    for (TWkStringGrid* grid : {knpGrid_, kbMsGrid_}) {
        const bool buttonGrid = grid == knpGrid_;
        for (int row = 1; row < grid->RowCount(); ++row) {
            for (int col = 0; col < grid->ColCount(); ++col) {
                grid->SetCells(col, row, QString());
            }
            if (buttonGrid) {
                grid->SetCells(0, row, buttonGridRowLabel(lines, row));
            }
        }
        grid->SetDefaultRowHeight(rowHeight);
        const QStringList headers = buttonGridHeaders(lines, buttonGrid);
        for (int col = 0; col < headers.size(); ++col) {
            grid->SetCells(col, 0, headers[col]);
        }
    }
    SetItems(gridEditors_[1], GridNumberItems());
    SetItems(gridEditors_[2], GridModeItems(lines));
    SetItems(gridEditors_[3], GridShiftItems(lines));
    SetItems(gridEditors_[4], GridTimOnItems(lines));
    SetItems(gridEditors_[5], GridTimOfItems(lines));
    FitButtonGridsWhenShown();
    // Closed before hiding, so losing the focus writes nothing back into the tables.
    state_.GridEdit.knp.open = false;
    state_.GridEdit.kbms.open = false;
    for (QComboBox* editor : gridEditors_) {
        editor->hide();
    }
}
