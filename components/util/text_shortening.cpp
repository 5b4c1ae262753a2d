#include "components/util/text_shortening.h"

#include <algorithm>

QString ShortenTextToWidth(const QString& text, const TCanvas& canvas, int maxWidth) {
    static const QString ellipsis = QStringLiteral("...");
    QString result = text;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (canvas.TextWidth(result) <= maxWidth)
            break;
        result = text.left(std::max<qsizetype>(0, text.size() - i - 1)) + ellipsis;
    }
    return result;
}

int DrawTextOnCanvas(TCanvas& canvas, const QString& text, int count, TRect& r, unsigned flags) {
    // A negative count stands for the whole text, as with DrawText.
    const QString shown = count < 0 ? text : text.left(count);
    return canvas.DrawText(shown, r, flags & ~unsigned{DT_MODIFYSTRING});
}
