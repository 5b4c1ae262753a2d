#include "components/draw/parent_background.h"

#include <QWidget>

namespace {

constexpr const char* paintCopyProperty = "tavroPaintCopy";

class PaintCopyMark {
public:
    explicit PaintCopyMark(QWidget* w) : widget(w) { widget->setProperty(paintCopyProperty, true); }
    ~PaintCopyMark() { widget->setProperty(paintCopyProperty, QVariant()); }

private:
    QWidget* widget;
};

} // namespace

bool IsPaintingCopy(const QWidget* widget) {
    return widget && widget->property(paintCopyProperty).toBool();
}

void CopyParentBackground(QWidget* control, TCanvas& canvas) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    QPainter& painter = canvas.Painter();
    const QRect area = control->geometry();
    {
        PaintCopyMark mark(parent);
        painter.save();
        parent->render(&painter, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
        painter.restore();
    }
    for (QObject* child : parent->children()) {
        if (child == control)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || !sibling->isVisible() || !sibling->geometry().intersects(area))
            continue;
        PaintCopyMark mark(sibling);
        painter.save();
        sibling->render(&painter, sibling->pos() - area.topLeft(), QRegion(sibling->rect()),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.restore();
    }
}
