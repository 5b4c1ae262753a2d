#include "platform/ui/screen_cursors.h"

#include <map>

namespace {

std::map<int, QCursor>& cursorTable() {
    static std::map<int, QCursor> table;
    return table;
}

Qt::CursorShape builtInShape(int number) {
    switch (number) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crDrag:
        return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QCursor ScreenCursor(int number) {
    const auto& table = cursorTable();
    const auto found = table.find(number);
    return found != table.end() ? found->second : QCursor(builtInShape(number));
}

void SetScreenCursor(int number, const QCursor& cursor) {
    cursorTable()[number] = cursor;
}
