#include "components/image/image.h"

#include "platform/ui/graphic_signature.h"
#include "platform/ui/metafile.h"

#include <QMouseEvent>

namespace {

// A picture counts only when it holds a graphic with an area.
bool Present(const TPicture* picture) {
    return picture != nullptr && picture->Graphic() != nullptr && picture->Width() > 0 &&
           picture->Height() > 0;
}

} // namespace

bool TWkPictures::Any() const {
    for (const TPicture* picture :
         {&FPicClicked1, &FPicClicked2, &FPicDown, &FPicEnter, &FPicDisabled})
        if (picture->Graphic() != nullptr)
            return true;
    return false;
}

void TWkPictures::assign(TPicture& target, const TPicture* value) {
    target.Assign(value);
    FireNotifyEvent(FOnChanged, nullptr);
}

TWkImage::TWkImage(QWidget* parent) : TWkExImage(parent) {
    FPictures.FOnChanged = TNotifyEvent::FromCallable([this](QObject*) {
        if (FPictures.Any())
            SetState(FState);
    });
    FPicture.OnChange = [this](TPicture&) {
        pictureChanged();
    };
    FDisplayed.OnChange = [this](TPicture&) {
        update();
    };
}

TWkImage::~TWkImage() {
    FDisplayed.OnChange = nullptr;
    FPicture.OnChange = nullptr;
}

TPicture* TWkImage::pictureOf(TPicState state) {
    switch (state) {
    case stDefault:
        return &FPicture;
    case stEntered:
        return &FPictures.PicEnter();
    case stClicked1:
        return &FPictures.PicClicked1();
    case stClicked2:
        return &FPictures.PicClicked2();
    case stDown:
        return &FPictures.PicDown();
    case stDisabled:
        return &FPictures.PicDisabled();
    }
    return nullptr;
}

void TWkImage::SetState(TPicState value) {
    TPicture* picture = pictureOf(value);
    if (Present(picture)) {
        FDisplayed.Assign(picture);
        updateOpaque();
        FState = value;
    }
    FireNotifyEvent(OnStateChanged, this);
}

void TWkImage::RestoreClickState() {
    TPicState target = stDefault;
    switch (FClickCount) {
    case 1:
        target = stClicked1;
        break;
    case 2:
        target = stClicked2;
        break;
    default:
        FClickCount = 0;
        break;
    }
    SetState(target);
    if (FState != target) {
        FClickCount = 0;
        SetState(stDefault);
    }
}

void TWkImage::click() {
    FireNotifyEvent(OnClick, this);
    if (FPictures.Any()) {
        ++FClickCount;
        RestoreClickState();
    }
}

void TWkImage::SetEnabled(bool value) {
    setEnabled(value);
}

// Every way of enabling or disabling the image ends here, Qt's own setEnabled included.
bool TWkImage::NotifyEnabledChanged(QEvent* event) {
    SetState(isEnabled() ? stDefault : stDisabled);
    return TWkExImage::NotifyEnabledChanged(event);
}

void TWkImage::SetTransparent(bool value) {
    FTransparent = value;
    pictureChanged();
}

void TWkImage::pictureChanged() {
    TGraphic* graphic = FPicture.Graphic();
    // Icons and metafiles keep their own transparency.
    if (graphic != nullptr && dynamic_cast<TIcon*>(graphic) == nullptr &&
        dynamic_cast<TMetafile*>(graphic) == nullptr)
        graphic->SetTransparent(FTransparent);
    FDisplayed.Assign(&FPicture);
    updateOpaque();
    if (!FDrawing)
        update();
}

// Qt skips the background under an opaque control, so the flag follows the picture actually
// drawn: a copy can keep transparent pixels that the default picture's setting would not show.
void TWkImage::updateOpaque() {
    const TGraphic* graphic = FDisplayed.Graphic();
    const bool covers = graphic != nullptr && graphic->Width() >= width() &&
                        graphic->Height() >= height() && !graphic->Transparent();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void TWkImage::paintEvent(QPaintEvent*) {
    FDrawing = true;
    struct TDrawingEnd {
        bool& drawing;
        ~TDrawingEnd() { drawing = false; }
    } end{FDrawing};
    TGraphic* graphic = FDisplayed.Graphic();
    if (graphic == nullptr || graphic->Empty())
        return;
    TCanvas canvas(this);
    graphic->Draw(canvas, TRect{0, 0, graphic->Width(), graphic->Height()});
}

// Every button presses the picture down and lets it up again; only the left one clicks.
void TWkImage::mousePressEvent(QMouseEvent* event) {
    TWkExImage::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        FPressed = true;
    if (FPictures.Any())
        SetState(stDown);
}

void TWkImage::mouseReleaseEvent(QMouseEvent* event) {
    TWkExImage::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && FPressed) {
        FPressed = false;
        if (rect().contains(at))
            click();
    }
    if (!FPictures.Any() || FState == stClicked1 || FState == stClicked2)
        return;
    if (at.x() > 0 && at.x() < width() && at.y() > 0 && at.y() < height()) {
        SetState(stEntered);
        if (FState == stEntered)
            return;
    }
    RestoreClickState();
}

bool TWkImage::NotifyMouseEnter(QEvent* event) {
    if (MouseOver())
        return SendToInherited(event);
    if (FPictures.Any() && isEnabled())
        SetState(stEntered);
    return TWkExImage::NotifyMouseEnter(event);
}

bool TWkImage::NotifyMouseLeave(QEvent* event) {
    if (!MouseOver())
        return SendToInherited(event);
    if (FPictures.Any() && isEnabled())
        RestoreClickState();
    return TWkExImage::NotifyMouseLeave(event);
}

bool TWkImage::HitTestAt(int x, int y) {
    const QPoint point(x, y);
    if (!TWkExImage::HitTestAt(x, y) || !rect().contains(point))
        return false;
    const auto* bitmap = dynamic_cast<const TBitmap*>(FPicture.Graphic());
    if (FPictures.Any() || bitmap == nullptr || !FTransparent)
        return true;
    if (point.x() >= bitmap->Width() || point.y() >= bitmap->Height())
        return true;
    return ColorToRGB(bitmap->Pixel(point.x(), point.y())) !=
           ColorToRGB(bitmap->TransparentColor());
}

void TWkImage::LoadFromStream(QIODevice& stream) {
    const TGraphicClass graphicClass = FindGraphicClass(stream);
    if (graphicClass == nullptr) {
        FPicture.SetGraphic(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromStream(stream);
    FPicture.SetGraphic(graphic.get());
}
