#pragma once
// The process-wide list of graphic file signatures that tells a stream's picture class from
// its first bytes. Made on first use with the built-in formats; formats added later by
// AppendGraphicSignature are tried after them.

#include "platform/ui/graphic.h"

#include <QByteArray>
#include <memory>
#include <vector>

class TGraphicSignature {
public:
    TGraphicSignature(const QByteArray& signature, qint64 offset, TGraphicClass graphicClass);

    const QByteArray& Signature() const { return signature; }
    qint64 Offset() const { return offset; }
    TGraphicClass GraphicClass() const { return graphicClass; }

    // True when, from Offset, exactly the signature's bytes can be read and equal it. The
    // stream's position does not move.
    bool CheckSignature(QIODevice& stream) const;

private:
    QByteArray signature;
    qint64 offset;
    TGraphicClass graphicClass;
};

const std::vector<std::unique_ptr<TGraphicSignature>>& GraphicSignatures();
// Appends without checks; callers validate the entry first.
void AppendGraphicSignature(std::unique_ptr<TGraphicSignature> entry);
// Frees the list with every added entry; the next use makes it again with the built-ins.
void ReleaseGraphicSignatures();
// The class of the first entry that matches the stream, or nullptr. The position is restored.
TGraphicClass FindGraphicClass(QIODevice& stream);
