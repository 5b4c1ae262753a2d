#include "platform/ui/graphic_signature.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/bmp_codec.h"
#include "platform/ui/icon.h"
#include "platform/ui/jpeg_image.h"
#include "platform/ui/metafile.h"

#include <QIODevice>
#include <optional>

namespace {

using SignatureList = std::vector<std::unique_ptr<TGraphicSignature>>;

SignatureList builtInSignatures() {
    SignatureList builtIn;
    const auto add = [&](QByteArray bytes, qint64 offset, TGraphicClass cls) {
        builtIn.push_back(std::make_unique<TGraphicSignature>(bytes, offset, cls));
    };
    add("BM", 0, GraphicClassOf<TBitmap>());
    add(QByteArray("\x00\x00\x01\x00", 4), 0, GraphicClassOf<TIcon>());
    add(QByteArray("\xD7\xCD", 2), 0, GraphicClassOf<TMetafile>());
    add(QByteArray("\x01\x00", 2), 0, GraphicClassOf<TMetafile>());
    add("JFIF", 6, GraphicClassOf<TJPEGImage>());
    add("Exif", 6, GraphicClassOf<TJPEGImage>());
    return builtIn;
}

std::optional<SignatureList>& madeList() {
    static std::optional<SignatureList> list;
    return list;
}

SignatureList& signatureList() {
    std::optional<SignatureList>& list = madeList();
    if (!list)
        list = builtInSignatures();
    return *list;
}

} // namespace

TGraphicSignature::TGraphicSignature(const QByteArray& bytes, qint64 at, TGraphicClass cls)
    : signature(bytes), offset(at), graphicClass(cls) {}

bool TGraphicSignature::CheckSignature(QIODevice& stream) const {
    const qint64 end = offset + signature.size();
    if (offset < 0 || end > MaxPictureBytes)
        return false;
    const QByteArray head = stream.peek(end);
    return head.size() == end && head.mid(offset) == signature;
}

const std::vector<std::unique_ptr<TGraphicSignature>>& GraphicSignatures() {
    return signatureList();
}

void AppendGraphicSignature(std::unique_ptr<TGraphicSignature> entry) {
    signatureList().push_back(std::move(entry));
}

void ReleaseGraphicSignatures() {
    madeList().reset();
}

TGraphicClass FindGraphicClass(QIODevice& stream) {
    for (const auto& entry : signatureList())
        if (entry->CheckSignature(stream))
            return entry->GraphicClass();
    return nullptr;
}
