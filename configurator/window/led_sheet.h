#pragma once
// The LED page's exchange with the controller: led_set sends the colours of led_color_01..10 on
// report 8, led_get selects each LED, waits for the controller and reads its colour back.

#include "configurator/model/controller_reports.h"

#include <array>

class TWkColorComboBox;
class ExchangeWindow;
class QWidget;

class LedSheet {
public:
    // Finds led_color_01..10 under root; throws std::runtime_error naming a missing one.
    LedSheet(const QWidget& root, ExchangeWindow& window);

    void led_setClick();
    void led_getClick();

private:
    ExchangeWindow& window_;
    std::array<TWkColorComboBox*, LedCount> colors_{};
};
