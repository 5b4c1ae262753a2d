#include "components/base/hot_track_options.h"

#include "components/base/convert_error.h"

TWkHotTrackOptions::TWkHotTrackOptions(QObject* owner) : TWkPersistentProperty(owner) {}

template <typename T> void TWkHotTrackOptions::Change(T& field, T value, const QString& propName) {
    if (field == value)
        return;
    DoChanging();
    DoChangingProperty(propName);
    field = value;
    DoChangedProperty(propName);
    DoChanged();
}

void TWkHotTrackOptions::Assign(const QObject* source) {
    const auto* options = qobject_cast<const TWkHotTrackOptions*>(source);
    if (options == nullptr)
        throw CannotAssignError(source, *this);
    BeginUpdate();
    try {
        SetEnabled(options->Enabled());
        SetColor(options->Color());
        SetFrameVisible(options->FrameVisible());
        SetFrameColor(options->FrameColor());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TWkHotTrackOptions::SetEnabled(bool value) {
    Change(FEnabled, value, QStringLiteral("Enabled"));
}

void TWkHotTrackOptions::SetColor(TColor value) {
    Change(FColor, value, QStringLiteral("Color"));
}

void TWkHotTrackOptions::SetFrameVisible(bool value) {
    Change(FFrameVisible, value, QStringLiteral("FrameVisible"));
}

void TWkHotTrackOptions::SetFrameColor(TColor value) {
    Change(FFrameColor, value, QStringLiteral("FrameColor"));
}
