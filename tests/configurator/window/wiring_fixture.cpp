#include "tests/configurator/window/wiring_fixture.h"

#include "configurator/files/config_file_set.h"
#include "configurator/files/text_file.h"
#include "configurator/model/report_codec.h"

#include <QPushButton>

void WiringTest::SetUp() {
    hostGuard = std::make_unique<ScopedUiHost>(host);
    ASSERT_TRUE(folder.isValid());
}

void WiringTest::TearDown() {
    form.reset();
    hostGuard.reset();
}

TMForm& WiringTest::Open() {
    form = std::make_unique<TMForm>(folder.path());
    return *form;
}

void WiringTest::WriteLanguage(const QString& language, const QString& prefix, int count) {
    QStringList lines;
    for (int k = 1; k <= count; ++k) {
        lines << prefix + QString::number(k);
    }
    QString error;
    ASSERT_TRUE(writeTextLines(Path(language + ".lng"), lines, &error)) << error.toStdString();
}

void WiringTest::WriteSettings(const QStringList& lines) {
    QString error;
    ASSERT_TRUE(writeTextLines(Path("Brantuse.ini"), lines, &error)) << error.toStdString();
}

QStringList WiringTest::ReadLines(const QString& name) const {
    QString error;
    return readTextLines(Path(name), 1 << 20, &error).value_or(QStringList{"<unreadable>"});
}

void WiringTest::SaveFileSet(const QString& name, const Config& config) {
    const EncodeResult encoded = ConfigToReport(config);
    ASSERT_TRUE(encoded.ok());
    QString error;
    ASSERT_TRUE(saveConfigFileSet(Path(name), encoded.images.general, encoded.images.axis,
                                  encoded.images.hid, encoded.descriptor.debugLines, &error))
        << error.toStdString();
}

void WiringTest::LoadThroughWindow(const Config& config) {
    SaveFileSet("shown.tavro", config);
    host.fileAnswers.push_back(Path("shown.tavro"));
    Click("btnRead_PC");
}

void WiringTest::Click(const char* name) {
    if (auto* button = Find<QPushButton>(name)) {
        button->click();
    }
}

Config RichConfig() {
    Config config = DefaultConfig();
    AxisRow& sensor = config.axes[0];
    sensor.source = 3;
    sensor.port = 5;
    sensor.channel = 2;
    sensor.usage = 1;
    sensor.filter = 4;
    sensor.invert = true;
    sensor.autoCalibration = 2;
    sensor.precision = 3;
    sensor.calibrationMin = 100;
    sensor.calibrationCentre = 2000;
    sensor.calibrationMax = 4000;
    sensor.specialFunction = 2;
    AxisRow& adc = config.axes[2];
    adc.source = 2;
    adc.port = 41;
    adc.usage = 3;
    adc.filter = 13;
    adc.autoCalibration = 4;
    AxisRow& virtualAxis = config.axes[1];
    virtualAxis.source = SourceVirtual;
    virtualAxis.usage = 2;
    virtualAxis.step = 10;
    virtualAxis.buttonUp = 5;
    virtualAxis.buttonCentre = 6;
    virtualAxis.buttonDown = 7;
    config.specialFunctions[1].points = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    config.specialFunctions[1].delay = 20;
    config.specialFunctions[1].speed = 30;
    config.hats[0].on = true;
    config.hats[0].directions = {11, 12, 13, 14};
    config.knpTable[0] = {3, 1, 2, 1, 1};
    config.knpTable[5] = {9, 4, 3, 3, 0};
    config.kbMsTable[2].type = 7;
    config.kbMsTable[2].number = 4;
    config.kbMsTable[2].mode = 2;
    config.buttonTimers = {10, 20, 30};
    config.identity = {QStringLiteral("1234"), QStringLiteral("ABCD"), QStringLiteral("Stick")};
    return config;
}
