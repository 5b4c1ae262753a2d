#pragma once
// The window's design: each function creates the named controls of one part of the window at
// their design place. Captions are the design texts until a language is applied.

class QFont;
class QWidget;

// The page control's place, between the main group and the two lines below the pages.
constexpr int PagesTop = 152;
constexpr int PagesHeight = 490;

// The button grids' in-place list editors, one per grid column.
inline constexpr const char* GridEditorNames[] = {"KnpGrid_CB_Type",  "KnpGrid_CB_Number",
                                                  "KnpGrid_CB_Mode",  "KnpGrid_CB_Shift",
                                                  "KnpGrid_CB_TimOn", "KnpGrid_CB_TimOf"};

void BuildMainGroup(QWidget* form);
void BuildBottomLine(QWidget* form);
void BuildAxisPage(QWidget* page);
void BuildCurvePage(QWidget* page);
// The grids are placed and sized by FitButtonGrids once their texts are known.
void BuildButtonPage(QWidget* page);
// Sizes the button grids' cell font, columns and caption rows to the texts they show now (cells,
// captions and every item of their in-place editors) and places them on page.
void FitButtonGrids(QWidget* page);
void BuildLedPage(QWidget* page);
void BuildFirmwarePage(QWidget* page);
void BuildStatisticsPage(QWidget* page);
