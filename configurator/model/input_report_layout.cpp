#include "configurator/model/input_report_layout.h"

#include "configurator/model/descriptor_builder.h"
#include "configurator/model/item_lists.h"

int AxisFieldBits(const AxisRow& row) {
    return 8 + (row.precision >= 0 && row.precision <= 6 ? row.precision : 0);
}

bool HasSource(const AxisRow& row) {
    return row.source > SourceNone && row.source < SourceItemCount;
}

InputReportLayout JoystickInputLayout(const Config& config) {
    InputReportLayout layout;
    int offset = 0;
    const auto add = [&](InputFieldKind kind, int number, int width) {
        layout.fields.push_back({kind, number, offset, width});
        offset += width;
    };
    for (int n = 1; n <= JoystickAxisCount; ++n)
        if (HasSource(config.axes[n - 1]))
            add(InputFieldKind::Axis, n, AxisFieldBits(config.axes[n - 1]));
    for (int h = 1; h <= HatCount; ++h)
        if (config.hats[h - 1].on)
            add(InputFieldKind::Hat, h, HatFieldBits);
    const int buttons = HighestMappedButton(config);
    for (int b = 1; b <= buttons; ++b)
        add(InputFieldKind::Button, b, 1);
    layout.dataBits = offset;
    layout.length = layout.fields.empty() ? 0 : 1 + (offset + 7) / 8;
    return layout;
}
