#pragma once
// How a control places its text: across (alignment) and down (layout).

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TTextLayout { tlTop, tlCenter, tlBottom };
