#pragma once
// The interface of a component that draws the tabs of page controls in place of the platform.
// The program attaches none; a page control without a painter leaves its tabs to Qt.

#include "components/base/component.h"
#include "platform/ui/geometry.h"

#include <QList>
#include <QString>

class TCanvas;
class TImageList;
class TWkPageControl;

class TWkTabControlPainter : public TWkComponent {
    Q_OBJECT
public:
    using TWkComponent::TWkComponent;
    // Detaches every page control still drawn by this painter, last first.
    ~TWkTabControlPainter() override;

    // Draws one tab of control; imageIndex is the page's image in images (-1 for none; images
    // is null when the control has no image list).
    virtual void DrawTab(TWkPageControl& control, TCanvas& canvas, const TImageList* images,
                         int imageIndex, const QString& caption, const TRect& rect, bool active,
                         bool enabled) = 0;

    // Repaints every client, for painters whose look changed.
    void Changed();

    const QList<TWkPageControl*>& Clients() const { return FClients; }

private:
    friend class TWkPageControl;
    void RegisterClient(TWkPageControl* control);
    void UnregisterClient(TWkPageControl* control);

    QList<TWkPageControl*> FClients;
};
