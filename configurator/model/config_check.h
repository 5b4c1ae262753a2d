#pragma once
// CheckConfig: validates the configuration, stops at the first problem and gives the one-line
// verdict for chk_report_info. Messages are composed from language lines; without a language
// file they hold only the glue and the numbers.

#include "configurator/model/config.h"
#include "configurator/model/language_lines.h"
#include "configurator/model/report_codec.h"

#include <QString>
#include <QStringList>

struct CheckResult {
    bool ok = false;    // false: the configuration-error flag stays set
    QString message;    // the verdict line
    int sensorAxes = 0; // axes 1..8 with a sensor source, as far as the check got
    int buttons = 0;    // hat directions in use plus mapped logical buttons
};

// The check's clamps, without a message: delays into 2..200, speeds into 1..200 (an empty value
// counts as 0).
void ClampSlotTimings(Config& config);

// Runs the clamps on config, then the rules in order: sensors used twice, axes without usage,
// usages used twice, hat directions not set, hat buttons used twice, virtual axes without
// buttons, vendor and product ids that are not four hex digits, a device name the image cannot
// hold (the encoder refuses all three, EncodeErrorMessage gives the message). sourceItems is the
// source list in effect (it names the sensor in the message).
CheckResult CheckConfig(Config& config, const LanguageLines& lines, const QStringList& sourceItems);

// Why the images cannot hold config, in the words of the check: line 51, the field's caption,
// what it holds in brackets and what it needs (four hex digits; a name character of one byte).
QString EncodeErrorMessage(const EncodeError& error, const Config& config,
                           const LanguageLines& lines);
