#include "components/draw/graphic_signatures.h"

#include "components/base/exception.h"

#include <QBuffer>

void AddGraphicSignature(const QByteArray& signature, qint64 offset, TGraphicClass graphicClass) {
    if (signature.isEmpty() || graphicClass == nullptr || offset < 0)
        throw EWkException(QStringLiteral("Bad Graphic Signature"));
    AppendGraphicSignature(std::make_unique<TGraphicSignature>(signature, offset, graphicClass));
}

void AddGraphicSignatureBytes(std::span<const std::uint8_t> bytes, qint64 offset,
                              TGraphicClass graphicClass) {
    AddGraphicSignature(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                   static_cast<qsizetype>(bytes.size())),
                        offset, graphicClass);
}

std::unique_ptr<TGraphic> LoadGraphicFromStream(QIODevice& stream, const TGraphicClassHook& hook) {
    TGraphicClass graphicClass = FindGraphicClass(stream);
    if (hook && dynamic_cast<QBuffer*>(&stream) != nullptr)
        graphicClass = hook(graphicClass, stream);
    if (graphicClass == nullptr)
        return nullptr;
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromStream(stream);
    return graphic;
}
