#include "platform/ui/graphic.h"

#include <QFile>

TGraphic::~TGraphic() = default;

void TGraphic::SetTransparent(bool value) {
    if (transparent == value)
        return;
    transparent = value;
    Changed();
}

void TGraphic::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const QString& fileName) const {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInvalidGraphic(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    SaveToStream(file);
    if (!file.flush())
        throw EInvalidGraphic(
            QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, file.errorString()));
}

void TGraphic::LoadFromClipboardFormat(const QMimeData&, const QString&) {
    throw EInvalidGraphicOperation(QStringLiteral("Unsupported clipboard format"));
}

void TGraphic::SaveToClipboardFormat(QMimeData&) const {
    throw EInvalidGraphicOperation(QStringLiteral("Unsupported clipboard format"));
}

void TGraphic::Assign(const TGraphic* source) {
    if (source == nullptr)
        cannotAssign(source, *this);
    source->AssignTo(*this);
}

void TGraphic::AssignTo(TGraphic& dest) const {
    cannotAssign(this, dest);
}

void TGraphic::SetModified(bool value) {
    if (value)
        Changed();
    else
        modified = false;
}

void TGraphic::Changed() {
    modified = true;
    if (OnChange)
        OnChange(*this);
}

void TGraphic::cannotAssign(const TGraphic* source, const TGraphic& dest) {
    const QString from = source ? source->ClassName() : QStringLiteral("nil");
    throw EInvalidGraphicOperation(
        QStringLiteral("Cannot assign a %1 to a %2").arg(from, dest.ClassName()));
}
