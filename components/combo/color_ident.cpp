#include "components/combo/color_ident.h"

#include "components/base/types.h"

namespace {

template <class Table> QString IdentIn(const Table& table, TColor color) {
    for (const TDefColorItem& item : table) {
        if (item.Value == color)
            return item.Constant;
    }
    return {};
}

} // namespace

QString ColorToString(TColor color) {
    if (color == clNone)
        return QStringLiteral("clNone");
    if (color == clDefault)
        return QStringLiteral("clDefault");
    QString ident = IdentIn(WkStandardColors(), color);
    if (ident.isEmpty())
        ident = IdentIn(WkSystemColors(), color);
    if (ident.isEmpty())
        ident = QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
    return ident;
}
