#include "components/pages/tab_control_painter.h"

#include "components/pages/page_control.h"

TWkTabControlPainter::~TWkTabControlPainter() {
    Destroying();
    while (!FClients.isEmpty())
        FClients.last()->SetTabPainter(nullptr);
}

void TWkTabControlPainter::Changed() {
    for (TWkPageControl* client : FClients)
        client->InvalidateTabs();
}

void TWkTabControlPainter::RegisterClient(TWkPageControl* control) {
    if (FClients.contains(control))
        return;
    FClients.append(control);
    control->InvalidateTabs();
}

void TWkTabControlPainter::UnregisterClient(TWkPageControl* control) {
    FClients.removeAll(control);
}
