#pragma once
// How a control places its text: across (alignment), down (layout) and in which reading order.

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Reading order and alignment of a control's text: right to left with the alignment mirrored,
// right to left without mirroring, or only the reading order right to left.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
