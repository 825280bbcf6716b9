// Colour bars and colour menu buttons in real windows: sizes, layout, tips, every way a colour is committed, palettes, and the stored records.
#include "ui/controls/color/CColorButton.h"
#include "ui/controls/color/CColorPopup.h"
#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "ui/controls/color/CTavoPColorMenuButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/ModalScript.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

const UINT kColorCmd = 32101;
const UINT kOtherCmd = 32102;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kDocA = RGB(10, 20, 30);
const COLORREF kDocB = RGB(40, 50, 60);

// n made-up colours, passed where a colour array is asked for.
class Colors
{
public:
    explicit Colors(int n)
    {
        for (int i = 0; i < n; i++)
            m_colors.Add(RGB(i * 7 % 256, i * 13 % 256, i * 29 % 256));
    }
    operator const CColorArray&() const { return m_colors; }

private:
    CColorArray m_colors;
};

// A frame that records the commands it gets and gives the document's colours when asked.
class CColorFrame : public CFrameWnd
{
public:
    std::vector<UINT> commands;
    std::vector<COLORREF> docColors;
    CColorFrame() { m_bAutoMenuEnable = FALSE; }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CTavoPColorMenuButton::GetDocumentColorsMessage())
        {
            CColorList* pList = (CColorList*)lParam;
            for (COLORREF color : docColors)
                pList->AddTail(color);
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// The cells of a bar in order, separators as null.
std::vector<CColorButton*> Cells(CTavoPToolBar& bar)
{
    std::vector<CColorButton*> cells;
    for (int i = 0; i < bar.GetCount(); i++)
        cells.push_back(DYNAMIC_DOWNCAST(CColorButton, bar.GetButton(i)));
    return cells;
}

CColorButton* FindCell(CTavoPToolBar& bar, std::function<bool(CColorButton*)> match)
{
    for (CColorButton* pCell : Cells(bar))
        if (pCell != nullptr && match(pCell))
            return pCell;
    return nullptr;
}

void ClickCell(CTavoPToolBar& bar, CColorButton* pCell)
{
    const CPoint point = pCell->Rect().CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

class ColorBarFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        CTavoPPopupMenu::m_AnimationType = 0;
        CTavoPColorBar::ColorsByCommand().RemoveAll();
        CTavoPColorBar::ColorNames().RemoveAll();
        frame = new CColorFrame;
        ASSERT_TRUE(frame->Create(NULL, "colours", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 100, 700, 500)));
        PumpMessages();
    }
    void TearDown() override
    {
        PumpMessages();
        for (CTavoPToolBar* pBar : bars)
        {
            if (pBar->GetSafeHwnd() != NULL)
                pBar->DestroyWindow();
            delete pBar;
        }
        frame->DestroyWindow();
        PumpMessages();
    }
    // A popup-style bar (not standalone) made into a child of the frame, sized to what it asks
    // for and laid out.
    CTavoPColorBar* PopupBar(const CColorArray& colors, int nColumns, LPCTSTR lpszAuto,
                             LPCTSTR lpszOther, LPCTSTR lpszDoc, const CColorList& docs,
                             COLORREF color = (COLORREF)-1, COLORREF automatic = kRed)
    {
        return Place(new CTavoPColorBar(colors, color, lpszAuto, lpszOther, lpszDoc, docs, nColumns,
                                        0, 0, automatic, kColorCmd, nullptr),
                     1);
    }
    // A standalone copy of a bar, as torn off, sized and laid out the same way.
    CTavoPColorBar* StandaloneBar(const CTavoPColorBar& source)
    {
        return Place(new CTavoPColorBar(source, kColorCmd), 2);
    }
    CTavoPColorBar* Place(CTavoPColorBar* pBar, UINT nID)
    {
        bars.push_back(pBar);
        EXPECT_TRUE(pBar->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, nID, nullptr));
        const CSize size = pBar->CalcSize(TRUE);
        pBar->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        pBar->LayoutButtons();
        return pBar;
    }
    CTavoPToolBar* ToolbarWithColorButton(UINT nID, CTavoPColorMenuButton** ppButton)
    {
        CTavoPToolBar* pBar = new CTavoPToolBar;
        bars.push_back(pBar);
        EXPECT_TRUE(pBar->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        CTavoPColorMenuButton* pButton = new CTavoPColorMenuButton;
        pButton->m_nID = nID;
        pButton->m_strText = "Colour";
        pButton->SetColors(Colors(16));
        pBar->InsertButton(pButton);
        pBar->AdjustLayout();
        *ppButton = pButton;
        return pBar;
    }
    CColorFrame* frame = nullptr;
    std::vector<CTavoPToolBar*> bars;
};

using ColorBar = ColorBarFixture;
using ColorMenuButton = ColorBarFixture;

} // namespace

// ---- size and layout ----

TEST_F(ColorBar, CalcSizeFollowsColumnsAndTheWideRows)
{
    // Cells are the menu image plus one (17 x 16), wide rows 24, margins 4.
    CColorList docs;
    docs.AddTail(kDocA);
    docs.AddTail(kDocB);
    docs.AddTail(kDocA);
    CColorList none;
    struct Case
    {
        const char* name;
        int nColors, nColumns;
        LPCTSTR lpszAuto, lpszOther, lpszDoc;
        const CColorList* pDocs;
        CSize expected;
    } cases[] = {
        {"16 colours, 0 columns: 5 x 4", 16, 0, nullptr, nullptr, nullptr, &none, {93, 72}},
        {"automatic row", 16, 0, "Auto", nullptr, nullptr, &none, {93, 96}},
        {"other row after a margin", 16, 0, nullptr, "More", nullptr, &none, {93, 100}},
        {"automatic and other rows", 16, 0, "Auto", "More", nullptr, &none, {93, 120}},
        {"three document colours in 4 columns", 16, 4, nullptr, nullptr, "Doc", &docs, {76, 120}},
        {"a document label without colours", 16, 4, nullptr, nullptr, "Doc", &none, {76, 72}},
        {"no colours: the default 20", 0, 0, nullptr, nullptr, nullptr, &none, {93, 72}},
    };
    for (const Case& c : cases)
    {
        CTavoPColorBar* pBar =
            PopupBar(Colors(c.nColors), c.nColumns, c.lpszAuto, c.lpszOther, c.lpszDoc, *c.pDocs);
        EXPECT_EQ(CSize(17, 16), pBar->GetCellSize()) << c.name;
        EXPECT_EQ(c.expected, pBar->CalcSize(TRUE)) << c.name;
    }
}

TEST(ColorBarDocked, DockedBarsTakeTheirDockedRowsOrColumns)
{
    CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
    TestFrame* pFrame = TestFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    CColorList none;
    struct Case
    {
        const char* name;
        int nRows, nColumns;
        bool bDock;
        CSize horizontal, vertical;
    } cases[] = {
        {"2 rows across, 3 columns down", 2, 3, true, {144, 40}, {59, 104}},
        {"no rows: 3 columns either way", 0, 3, true, {59, 104}, {59, 104}},
        {"no counts: 5 by 4", 0, 0, true, {93, 72}, {93, 72}},
        {"floating: 5 by 4", 2, 3, false, {93, 72}, {93, 72}},
    };
    for (const Case& c : cases)
    {
        CTavoPColorBar source(Colors(16), (COLORREF)-1, nullptr, nullptr, nullptr, none, 0, c.nRows,
                              c.nColumns, kRed, kColorCmd, nullptr);
        CTavoPColorBar bar(source, kColorCmd);
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 40, nullptr));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&bar);
        if (!c.bDock)
        {
            ASSERT_TRUE(bar.FloatControlBar(CRect(300, 300, 400, 400), TAVOP_DM_RECT, TRUE));
        }
        EXPECT_EQ(c.bDock, (bool)bar.IsDocked()) << c.name;
        EXPECT_EQ(c.horizontal, bar.CalcSize(FALSE)) << c.name;
        EXPECT_EQ(c.vertical, bar.CalcSize(TRUE)) << c.name;
        bar.DestroyWindow();
    }
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST_F(ColorBar, CellsComeInOrderAndShowTheCurrentColour)
{
    CColorList docs;
    docs.AddTail(kDocA);
    struct Case
    {
        const char* name;
        COLORREF current;
        int selectedCell; // 0 automatic, 1 the palette's red, 2 the preview
        bool previewShown;
    } cases[] = {
        {"automatic", (COLORREF)-1, 0, false},
        {"a palette colour", kRed, 1, false},
        {"a colour not in the palette", RGB(1, 2, 3), 2, true},
    };
    for (const Case& c : cases)
    {
        // The palette: red, green, blue.
        CColorArray colors;
        colors.Add(kRed);
        colors.Add(kGreen);
        colors.Add(kBlue);
        CTavoPColorBar* pBar = PopupBar(colors, 4, "Auto", "More", "Doc", docs, c.current);
        const CSize size = pBar->CalcSize(TRUE);

        // Automatic, 3 colours, separator, caption, document colour, separator, other, preview.
        std::vector<CColorButton*> cells = Cells(*pBar);
        ASSERT_EQ(10u, cells.size()) << c.name;
        EXPECT_TRUE(cells[0]->m_bIsAutomatic);
        EXPECT_EQ(nullptr, cells[4]);
        EXPECT_TRUE(cells[5]->m_bIsCaption && cells[5]->m_bIsDocument);
        EXPECT_TRUE(cells[6]->m_bIsDocument);
        EXPECT_EQ(kDocA, cells[6]->m_Color);
        EXPECT_EQ(nullptr, cells[7]);
        EXPECT_TRUE(cells[8]->m_bIsOther);
        EXPECT_TRUE(cells[9]->m_bIsPreview);

        const CColorButton* pSelected[] = {cells[0], cells[1], cells[9]};
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(i == c.selectedCell, (bool)pSelected[i]->m_bHighlight) << c.name << " " << i;
        EXPECT_EQ(c.previewShown, !cells[9]->Rect().IsRectEmpty()) << c.name;
        if (c.previewShown)
        {
            // Beside the other-colour cell, at the right end of its row, vertically centred.
            const CRect rectOther = cells[8]->Rect();
            const CRect rectPreview = cells[9]->Rect();
            EXPECT_EQ(size.cx - 4, rectPreview.right) << c.name;
            EXPECT_LE(rectOther.right, rectPreview.left) << c.name;
            EXPECT_NEAR(rectOther.CenterPoint().y, rectPreview.CenterPoint().y, 2) << c.name;
        }
        else
        {
            EXPECT_EQ(size.cx - 4 - 2, cells[8]->Rect().right) << c.name;
        }
        // Every shown cell lies inside the bar.
        CRect rectClient;
        pBar->GetClientRect(rectClient);
        for (CColorButton* pCell : cells)
        {
            if (pCell != nullptr && !pCell->Rect().IsRectEmpty())
            {
                EXPECT_EQ(CRect(pCell->Rect()), CRect(pCell->Rect()) & rectClient) << c.name;
            }
        }
    }
}

TEST_F(ColorBar, ABarWithoutLabelsHoldsOnlyThePalette)
{
    CColorList none;
    CTavoPColorBar* pBar = PopupBar(Colors(16), 0, nullptr, nullptr, nullptr, none);
    std::vector<CColorButton*> cells = Cells(*pBar);
    ASSERT_EQ(16u, cells.size());
    for (CColorButton* pCell : cells)
        ASSERT_TRUE(pCell != nullptr && pCell->IsColorCell() && !pCell->m_bIsPreview);
}

TEST_F(ColorBar, SetColorMovesTheSelectionAndShowsThePreviewWhenNeeded)
{
    CColorArray colors;
    colors.Add(kRed);
    colors.Add(kGreen);
    CColorList none;
    CTavoPColorBar* pBar = PopupBar(colors, 2, nullptr, "More", nullptr, none, kRed, (COLORREF)-1);
    std::vector<CColorButton*> cells = Cells(*pBar); // red, green, separator, other, preview
    ASSERT_EQ(5u, cells.size());
    EXPECT_TRUE(cells[4]->Rect().IsRectEmpty());

    pBar->SetColor(RGB(9, 9, 9));
    EXPECT_FALSE(cells[0]->m_bHighlight);
    EXPECT_TRUE(cells[4]->m_bHighlight);
    EXPECT_EQ(RGB(9, 9, 9), cells[4]->m_Color);
    EXPECT_FALSE(cells[4]->Rect().IsRectEmpty());

    pBar->SetColor(kGreen);
    EXPECT_TRUE(cells[1]->m_bHighlight);
    EXPECT_TRUE(cells[4]->Rect().IsRectEmpty());
    EXPECT_EQ(kGreen, pBar->GetColor());
}

TEST_F(ColorBar, ControlFitsSquareCentredCellsOfAtLeastOnePixel)
{
    struct Case
    {
        const char* name;
        CRect rect;
    } cases[] = {
        {"wide", CRect(10, 10, 210, 110)},
        {"tall", CRect(10, 10, 90, 250)},
        {"tiny", CRect(0, 0, 9, 9)},
    };
    for (const Case& c : cases)
    {
        CTavoPColorBar* pBar = new CTavoPColorBar;
        bars.push_back(pBar);
        ASSERT_TRUE(pBar->CreateControl(frame, c.rect, 77)) << c.name;
        EXPECT_EQ(20, (int)pBar->GetColors().GetSize()) << c.name;
        EXPECT_EQ(77u, pBar->GetCommandID()) << c.name;
        const CSize cell = pBar->GetCellSize();
        EXPECT_EQ(cell.cx, cell.cy) << c.name;
        EXPECT_GE(cell.cx, 1) << c.name;
        CRect rectWindow, rectClient;
        pBar->GetWindowRect(rectWindow);
        frame->ScreenToClient(rectWindow);
        EXPECT_EQ(c.rect, rectWindow) << c.name;
        pBar->GetClientRect(rectClient);
        if (c.rect.Width() < 50)
            continue;
        // Centred: the cells' bounding box has equal room on both sides, within a pixel.
        CRect rectCells(0, 0, 0, 0);
        for (CColorButton* pCell : Cells(*pBar))
            rectCells |= pCell->Rect();
        EXPECT_NEAR(rectCells.left, rectClient.right - rectCells.right, 1) << c.name;
        EXPECT_NEAR(rectCells.top, rectClient.bottom - rectCells.bottom, 1) << c.name;
        EXPECT_LE(rectCells.right, rectClient.right) << c.name;
        EXPECT_LE(rectCells.bottom, rectClient.bottom) << c.name;
        // Filled: on one side less than two cells and the margins are left over.
        EXPECT_LT(std::min(rectClient.Width() - rectCells.Width(),
                           rectClient.Height() - rectCells.Height()),
                  2 * cell.cx + 8)
            << c.name;
    }
}

TEST_F(ColorBar, ControlOverAnEmptyPaletteEnds)
{
    // A palette without entries: the bar has no cells whatever their size.
    LOGPALETTE logPalette = {0x300, 0, {{0, 0, 0, 0}}};
    CPalette palette;
    if (!palette.CreatePalette(&logPalette) || palette.GetEntryCount() != 0)
        GTEST_SKIP() << "this system makes no palette without entries";
    CTavoPColorBar* pBar = new CTavoPColorBar;
    bars.push_back(pBar);
    ASSERT_TRUE(pBar->CreateControl(frame, CRect(0, 0, 120, 80), 78, 0, &palette));
    EXPECT_EQ(0, pBar->GetCount());
    EXPECT_GE(pBar->GetCellSize().cx, 1);
}

// ---- tips ----

TEST_F(ColorBar, CellTipsGiveTheLabelTheNameOrTheHexBytes)
{
    CColorArray colors;
    colors.Add(kRed);
    colors.Add(RGB(0x12, 0xAB, 0x0C));
    CColorList none;
    CTavoPColorBar::ColorNames().SetAt(RGB(0x12, 0xAB, 0x0C), "Moss");
    CTavoPColorBar* pBar = PopupBar(colors, 2, "Automatic", nullptr, nullptr, none, kRed);
    std::vector<CColorButton*> cells = Cells(*pBar);
    ASSERT_EQ(3u, cells.size());

    // As the bar's tool tip asks for it, at the cell's middle.
    auto tip = [&](CColorButton* pCell) {
        TOOLINFO ti = {};
        pBar->OnToolHitTest(pCell->Rect().CenterPoint(), &ti);
        CString strTip = ti.lpszText != nullptr ? ti.lpszText : "(none)";
        free(ti.lpszText);
        return strTip;
    };
    EXPECT_EQ(CString("Automatic"), tip(cells[0]));
    EXPECT_EQ(CString("Hex={FF,00,00}"), tip(cells[1]));
    EXPECT_EQ(CString("Moss"), tip(cells[2]));
    cells[1]->m_nStyle |= TBBS_DISABLED;
    EXPECT_EQ(CString("(none)"), tip(cells[1]));
}

// ---- committing a colour ----

TEST_F(ColorBar, StandaloneBarCommitsAClickedCellToItsCommandAndItsButtons)
{
    CColorArray colors;
    colors.Add(kRed);
    colors.Add(kGreen);
    CColorList none;
    CTavoPColorBar source(colors, (COLORREF)-1, "Auto", nullptr, nullptr, none, 2, 0, 0, kBlue,
                          kColorCmd, nullptr);
    CTavoPColorMenuButton* pButton = nullptr;
    ToolbarWithColorButton(kColorCmd, &pButton);
    CTavoPColorBar* pBar = StandaloneBar(source);
    ASSERT_TRUE(pBar->IsStandalone());

    struct Case
    {
        const char* name;
        std::function<bool(CColorButton*)> match;
        COLORREF expected;
    } cases[] = {
        {"a colour cell", [](CColorButton* p) { return p->m_Color == kGreen; }, kGreen},
        {"the automatic cell", [](CColorButton* p) { return (bool)p->m_bIsAutomatic; },
         (COLORREF)-1},
        {"another colour cell", [](CColorButton* p) { return p->m_Color == kRed; }, kRed},
    };
    for (const Case& c : cases)
    {
        frame->commands.clear();
        CColorButton* pCell = FindCell(*pBar, c.match);
        ASSERT_NE(nullptr, pCell) << c.name;
        ClickCell(*pBar, pCell);
        PumpMessages();
        EXPECT_EQ(std::vector<UINT>{kColorCmd}, frame->commands) << c.name;
        EXPECT_EQ(c.expected, pBar->GetColor()) << c.name;
        EXPECT_EQ(c.expected, pButton->GetColor()) << c.name;
        COLORREF stored = 0;
        EXPECT_TRUE(CTavoPColorBar::ColorsByCommand().Lookup(kColorCmd, stored)) << c.name;
        EXPECT_EQ(c.expected, stored) << c.name;
    }
}

TEST_F(ColorBar, OtherCellCommitsTheDialogsColourAndCancelCommitsNothing)
{
    CColorArray colors;
    colors.Add(kRed);
    CColorList none;
    CTavoPColorBar source(colors, kRed, nullptr, "More colours", nullptr, none, 2, 0, 0, kBlue,
                          kColorCmd, nullptr);
    CTavoPColorBar* pBar = StandaloneBar(source);
    CColorButton* pOther = FindCell(*pBar, [](CColorButton* p) { return (bool)p->m_bIsOther; });
    ASSERT_NE(nullptr, pOther);

    const COLORREF kChosen = RGB(12, 34, 56);
    {
        ModalScript script;
        script.When("Colors", [&](HWND hDlg) {
            CTavoPColorChooserDialog* pDlg =
                (CTavoPColorChooserDialog*)CWnd::FromHandlePermanent(hDlg);
            pDlg->SetNewColor(kChosen);
            ModalScript::Click(hDlg, IDOK);
        });
        ClickCell(*pBar, pOther);
        EXPECT_TRUE(script.Finished()) << script.Failure();
    }
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kColorCmd}, frame->commands);
    EXPECT_EQ(kChosen, pBar->GetColor());
    CColorButton* pPreview = FindCell(*pBar, [](CColorButton* p) { return (bool)p->m_bIsPreview; });
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(kChosen, pPreview->m_Color);
    EXPECT_TRUE(pPreview->m_bHighlight);

    frame->commands.clear();
    {
        ModalScript script;
        script.When("Colors", [](HWND hDlg) { ModalScript::Click(hDlg, IDCANCEL); });
        ClickCell(*pBar, pOther);
        EXPECT_TRUE(script.Finished()) << script.Failure();
    }
    PumpMessages();
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(kChosen, pBar->GetColor());
    EXPECT_FALSE(pBar->IsInCommand());
}

TEST_F(ColorBar, ADisabledCommandTakesNoColour)
{
    CColorArray colors;
    colors.Add(kRed);
    CColorList none;
    CTavoPColorBar source(colors, (COLORREF)-1, nullptr, nullptr, nullptr, none, 1, 0, 0, kBlue,
                          kColorCmd, nullptr);
    CTavoPColorBar* pBar = StandaloneBar(source);
    // Nobody handles the command: with handler-less commands disabled, every cell greys.
    pBar->OnUpdateCmdUI(frame, TRUE);
    CColorButton* pCell = FindCell(*pBar, [](CColorButton*) { return true; });
    ASSERT_NE(nullptr, pCell);
    EXPECT_TRUE(pCell->m_nStyle & TBBS_DISABLED);
    ClickCell(*pBar, pCell);
    PumpMessages();
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ((COLORREF)-1, pBar->GetColor());
}

TEST_F(ColorBar, PushButtonsPopupCommitsToTheButtonAndEscapeOnlyCloses)
{
    CTavoPColorButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 60, 40),
                              frame, 501));
    CColorArray colors;
    colors.Add(kRed);
    colors.Add(kGreen);
    colors.Add(kBlue);
    button.m_Colors.Copy(colors);
    button.m_nColumns = 3;

    struct Case
    {
        const char* name;
        bool bEscape;
        COLORREF expected;
        std::vector<UINT> commands;
    } cases[] = {{"a click on green", false, kGreen, {501}}, {"escape", true, kGreen, {}}};
    for (const Case& c : cases)
    {
        frame->commands.clear();
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(button.IsPopupOpen()) << c.name;
        CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, CTavoPPopupMenu::GetActiveMenu());
        ASSERT_NE(nullptr, pPopup) << c.name;
        CTavoPColorBar& bar = pPopup->GetColorBar();
        EXPECT_EQ(&button, bar.GetParentColorButton());
        EXPECT_EQ(bar.GetSafeHwnd(), ::GetCapture()) << c.name;
        if (c.bEscape)
        {
            MSG msg = {bar.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
            EXPECT_TRUE(bar.PreTranslateMessage(&msg)) << c.name;
        }
        else
            ClickCell(bar, FindCell(bar, [](CColorButton* p) { return p->m_Color == kGreen; }));
        PumpMessages();
        EXPECT_FALSE(button.IsPopupOpen()) << c.name;
        EXPECT_EQ(c.expected, button.GetColor()) << c.name;
        EXPECT_EQ(c.commands, frame->commands) << c.name;
    }
    // The pointer leaving the popup's bar takes the keyboard selection with it, even while the
    // bar holds the focus.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CColorPopup* pOpen = DYNAMIC_DOWNCAST(CColorPopup, CTavoPPopupMenu::GetActiveMenu());
    ASSERT_NE(nullptr, pOpen);
    pOpen->GetColorBar().SetFocus();
    pOpen->GetColorBar().OnKey(VK_HOME);
    EXPECT_EQ(0, pOpen->GetColorBar().GetHighlightedButton());
    pOpen->GetColorBar().SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(-1, pOpen->GetColorBar().GetHighlightedButton());
    pOpen->SendMessage(WM_CLOSE);
    PumpMessages();

    // A button that goes while its popup is open takes the popup with it.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CWnd* pPopup = CTavoPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    HWND hwndPopup = pPopup->GetSafeHwnd();
    button.DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndPopup));
}

TEST_F(ColorMenuButton, PopupOffersDocumentColoursAndAPickReachesEveryButtonAndBarOfTheCommand)
{
    frame->docColors = {kDocA, kDocB};
    CTavoPColorMenuButton* pFirst = nullptr;
    CTavoPColorMenuButton* pSecond = nullptr;
    CTavoPColorMenuButton* pStranger = nullptr;
    ToolbarWithColorButton(kColorCmd, &pFirst);
    ToolbarWithColorButton(kColorCmd, &pSecond);
    ToolbarWithColorButton(kOtherCmd, &pStranger);
    pFirst->EnableDocumentColors("Document");
    pFirst->EnableAutomaticButton("Automatic", kRed);

    // A bar torn off for the same command follows the pick too.
    CColorList none;
    CTavoPColorBar source(Colors(16), (COLORREF)-1, nullptr, nullptr, nullptr, none, 4, 0, 0, kRed,
                          kColorCmd, nullptr);
    CTavoPColorBar* pTorn = StandaloneBar(source);

    ASSERT_TRUE(pFirst->OpenPopupMenu());
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pFirst->GetPopupMenu());
    ASSERT_NE(nullptr, pPopup);
    CTavoPColorBar& bar = pPopup->GetColorBar();
    EXPECT_EQ(&bar, pPopup->GetMenuBar());
    EXPECT_FALSE(bar.IsStandalone());
    EXPECT_EQ(kColorCmd, bar.GetCommandID());
    HWND hwndPopup = pPopup->GetSafeHwnd();

    CColorButton* pCaption = FindCell(bar, [](CColorButton* p) { return (bool)p->m_bIsCaption; });
    ASSERT_NE(nullptr, pCaption);
    EXPECT_EQ(CString("Document"), pCaption->m_strText);
    EXPECT_FALSE(pCaption->Rect().IsRectEmpty());
    CColorButton* pDocB =
        FindCell(bar, [](CColorButton* p) { return p->m_bIsDocument && p->m_Color == kDocB; });
    ASSERT_NE(nullptr, pDocB);
    EXPECT_FALSE(pDocB->Rect().IsRectEmpty());

    // The caption cannot be picked.
    ClickCell(bar, pCaption);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(hwndPopup));
    EXPECT_TRUE(frame->commands.empty());

    ClickCell(bar, pDocB);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndPopup));
    EXPECT_EQ(std::vector<UINT>{kColorCmd}, frame->commands);
    EXPECT_EQ(kDocB, pFirst->GetColor());
    EXPECT_EQ(kDocB, pSecond->GetColor());
    EXPECT_EQ((COLORREF)-1, pStranger->GetColor());
    EXPECT_EQ(kDocB, pTorn->GetColor());
}

TEST(ColorMenuButtonDraw, StripeShowsTheColourTheAutomaticColourOrTheShadow)
{
    ClassicColors classic;
    GetGlobalData().UpdateSysColors();
    CTavoPToolbarImageList images;
    images.SetImageSize(CSize(16, 15));
    {
        DibCanvas face(16, 15, RGB(0, 0, 128));
        ::SelectObject(face.dc(), ::GetStockObject(NULL_BRUSH)); // frees the bitmap for copying
        ASSERT_EQ(0, images.AddImage((HBITMAP)::CopyImage(face.bitmap(), IMAGE_BITMAP, 0, 0, 0)));
    }
    struct Case
    {
        const char* name;
        COLORREF current;
        bool bDisabled;
        COLORREF expected;
    } cases[] = {
        {"automatic shows the automatic colour", (COLORREF)-1, false, kRed},
        {"a colour of its own", kGreen, false, kGreen},
        {"disabled shows the shadow", kGreen, true, RGB(128, 128, 128)},
    };
    for (const Case& c : cases)
    {
        CTavoPColorMenuButton button;
        button.m_nID = kColorCmd;
        button.SetImage(0);
        button.m_bImage = TRUE;
        button.EnableAutomaticButton("Automatic", kRed);
        button.SetColor(c.current, FALSE);
        if (c.bDisabled)
            button.m_nStyle |= TBBS_DISABLED;
        DibCanvas canvas(23, 22);
        CDC* pDC = CDC::FromHandle(canvas.dc());
        button.OnDraw(pDC, CRect(0, 0, 23, 22), &images, TRUE, FALSE, FALSE, TRUE, TRUE);
        // Under the image: from 14 to 19 down, 4 to 19 across.
        EXPECT_EQ(c.expected, canvas.Pixel(11, 16)) << c.name;
        EXPECT_EQ(c.expected, canvas.Pixel(6, 15)) << c.name;
    }
    GetGlobalData().UpdateSysColors();
}

TEST_F(ColorMenuButton, TornOffBarCopiesThePopupsBarForTheButtonsCommand)
{
    CTavoPColorMenuButton* pButton = nullptr;
    ToolbarWithColorButton(kColorCmd, &pButton);
    pButton->EnableAutomaticButton("Automatic", kBlue);
    pButton->SetColor(kGreen, FALSE);
    ASSERT_TRUE(pButton->OpenPopupMenu());
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pButton->GetPopupMenu());
    ASSERT_NE(nullptr, pPopup);
    CTavoPColorBar* pTorn =
        DYNAMIC_DOWNCAST(CTavoPColorBar, pPopup->CreateTearOffBar(frame, 0xE901, "Colours"));
    ASSERT_NE(nullptr, pTorn);
    bars.push_back(pTorn);
    EXPECT_TRUE(pTorn->IsStandalone());
    EXPECT_EQ(kColorCmd, pTorn->GetCommandID());
    EXPECT_EQ(0xE901, pTorn->GetDlgCtrlID());
    EXPECT_EQ(kGreen, pTorn->GetColor());
    EXPECT_EQ(16, (int)pTorn->GetColors().GetSize());
    EXPECT_EQ(CString("Automatic"), pTorn->GetAutoLabel());
    CString strCaption;
    pTorn->GetWindowText(strCaption);
    EXPECT_EQ(CString("Colours"), strCaption);
    EXPECT_TRUE(pTorn->GetBarStyle() & CBRS_TOOLTIPS);
    pPopup->SendMessage(WM_CLOSE);
}

TEST_F(ColorMenuButton, EnterPicksTheKeyboardSelectedCell)
{
    CTavoPColorMenuButton* pButton = nullptr;
    ToolbarWithColorButton(kColorCmd, &pButton);
    ASSERT_TRUE(pButton->OpenPopupMenu());
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pButton->GetPopupMenu());
    ASSERT_NE(nullptr, pPopup);
    CTavoPColorBar& bar = pPopup->GetColorBar();
    bar.OnKey(VK_HOME);
    bar.OnKey(VK_DOWN);
    CColorButton* pSelected = DYNAMIC_DOWNCAST(CColorButton, bar.GetHotButton());
    ASSERT_NE(nullptr, pSelected);
    const COLORREF color = pSelected->m_Color;
    EXPECT_EQ(((const CColorArray&)Colors(16))[1], color);
    bar.OnKey(VK_RETURN);
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kColorCmd}, frame->commands);
    EXPECT_EQ(color, pButton->GetColor());
}

TEST_F(ColorMenuButton, LoadedButtonTakesTheColourOfItsCommandsOtherButtons)
{
    CTavoPWorkspace workspace;
    CTavoPColorMenuButton* pLive = nullptr;
    ToolbarWithColorButton(kColorCmd, &pLive);
    pLive->SetColor(kBlue, FALSE);
    CTavoPColorMenuButton source;
    source.m_nID = kColorCmd;
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { source.Serialize(ar); });
    CTavoPColorMenuButton loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(kBlue, loaded.GetColor());
}

TEST_F(ColorMenuButton, PressOnTheButtonAndReleaseOverACellPicksIt)
{
    CTavoPColorMenuButton* pButton = nullptr;
    CTavoPToolBar* pBar = ToolbarWithColorButton(kColorCmd, &pButton);
    frame->SetForegroundWindow();
    PumpMessages();
    // The drop-down arrow at the button's right end opens the popup.
    CPoint ptArrow(pButton->Rect().right - 4, pButton->Rect().CenterPoint().y);
    pBar->ClientToScreen(&ptArrow);
    COLORREF colorCell = 0;
    // The move to the cell takes its place once the popup is open.
    std::vector<MouseStep> steps = {{MouseStep::Move, ptArrow.x, ptArrow.y},
                                    {MouseStep::Down, 0, 0},
                                    {MouseStep::Pause, 0, 0},
                                    {MouseStep::Move, ptArrow.x, ptArrow.y},
                                    {MouseStep::Up, 0, 0}};
    RunMouse(steps, [&]() {
        CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pButton->GetPopupMenu());
        ASSERT_NE(nullptr, pPopup);
        CTavoPColorBar& bar = pPopup->GetColorBar();
        CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, bar.GetButton(6));
        ASSERT_NE(nullptr, pCell);
        colorCell = pCell->m_Color;
        CPoint ptCell = pCell->Rect().CenterPoint();
        bar.ClientToScreen(&ptCell);
        steps[3].x = ptCell.x;
        steps[3].y = ptCell.y;
    });
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kColorCmd}, frame->commands);
    EXPECT_EQ(colorCell, pButton->GetColor());
    EXPECT_EQ(nullptr, pButton->GetPopupMenu());
}

TEST_F(ColorMenuButton, PopupDoesNotOpenInCustomizeMode)
{
    CTavoPColorMenuButton* pButton = nullptr;
    ToolbarWithColorButton(kColorCmd, &pButton);
    CTavoPToolBar::SetCustomizeMode(TRUE);
    EXPECT_FALSE(pButton->OpenPopupMenu() && pButton->GetPopupMenu() != nullptr);
    CTavoPToolBar::SetCustomizeMode(FALSE);
    PumpMessages();
    EXPECT_EQ(nullptr, pButton->GetPopupMenu());
}

TEST_F(ColorMenuButton, CancellingTheDialogClosesTheMenusWithoutACommand)
{
    CTavoPColorMenuButton* pButton = nullptr;
    ToolbarWithColorButton(kColorCmd, &pButton);
    pButton->EnableOtherButton("More colours");
    ASSERT_TRUE(pButton->OpenPopupMenu());
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pButton->GetPopupMenu());
    ASSERT_NE(nullptr, pPopup);
    HWND hwndPopup = pPopup->GetSafeHwnd();
    CColorButton* pOther =
        FindCell(pPopup->GetColorBar(), [](CColorButton* p) { return (bool)p->m_bIsOther; });
    ASSERT_NE(nullptr, pOther);
    {
        ModalScript script;
        script.When("Colors", [](HWND hDlg) { ModalScript::Click(hDlg, IDCANCEL); });
        ClickCell(pPopup->GetColorBar(), pOther);
        EXPECT_TRUE(script.Finished()) << script.Failure();
    }
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndPopup));
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ((COLORREF)-1, pButton->GetColor());
}

// ---- palettes ----

TEST(ColorPalette, HoldsAtMostAHundredColoursAndOnlyOnEightBitScreens)
{
    const int nSaved = GetGlobalData().m_nBitsPerPixel;
    struct Case
    {
        int nBits, nColors, nExpected; // 0: no palette
    } cases[] = {{8, 256, 100}, {8, 40, 40}, {8, 0, 0}, {16, 256, 0}, {32, 256, 0}};
    for (const Case& c : cases)
    {
        GetGlobalData().m_nBitsPerPixel = c.nBits;
        CPalette palette;
        const BOOL bMade = CTavoPColorBar::CreatePalette(Colors(c.nColors), palette);
        EXPECT_EQ(c.nExpected != 0, (bool)bMade) << c.nBits << " bits, " << c.nColors;
        EXPECT_EQ(c.nExpected, palette.GetSafeHandle() != NULL ? palette.GetEntryCount() : 0)
            << c.nBits << " bits, " << c.nColors;
    }
    GetGlobalData().m_nBitsPerPixel = nSaved;
}

TEST(ColorPalette, PaletteOrDefaultColoursFillTheBar)
{
    CColorArray colors;
    EXPECT_EQ(20, CTavoPColorBar::InitColors(nullptr, colors));
    ASSERT_EQ(20, (int)colors.GetSize());
    EXPECT_EQ(RGB(0, 0, 0), colors[0]);
    EXPECT_EQ(RGB(255, 255, 255), colors[19]);

    struct
    {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } logPalette = {{0x300, 2, {{255, 0, 0, 0}}}, {{0, 0, 255, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette.header));
    EXPECT_EQ(2, CTavoPColorBar::InitColors(&palette, colors));
    ASSERT_EQ(2, (int)colors.GetSize());
    EXPECT_EQ(kRed, colors[0]);
    EXPECT_EQ(kBlue, colors[1]);
}

TEST(ColorPalette, ButtonReadsTheSystemPaletteOrFallsBackToTheDefaultOne)
{
    CTavoPColorButton button;
    button.RebuildPalette(nullptr);
    CPalette* pPalette = button.GetPalette();
    ASSERT_TRUE(pPalette != nullptr && pPalette->GetSafeHandle() != NULL);
    const int nEntries = pPalette->GetEntryCount();
    std::vector<PALETTEENTRY> entries((size_t)nEntries);
    pPalette->GetPaletteEntries(0, (UINT)nEntries, entries.data());
    HDC hdc = ::GetDC(NULL);
    const bool bPaletteScreen = (::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) != 0;
    ::ReleaseDC(NULL, hdc);
    EXPECT_EQ(bPaletteScreen ? 256 : 20, nEntries);
    // Not a palette of blacks: white is there.
    bool bWhite = false;
    for (const PALETTEENTRY& e : entries)
        bWhite = bWhite || (e.peRed == 255 && e.peGreen == 255 && e.peBlue == 255);
    EXPECT_TRUE(bWhite);
}

// ---- stored records ----

namespace {

// A popup's bar whose standalone copy is stored: 3 columns, 2 docked rows, 4 docked columns.
const CTavoPColorBar& StoredSource()
{
    static CTavoPColorBar* pSource = [] {
        CColorArray colors;
        colors.Add(kRed);
        colors.Add(kBlue);
        CColorList none;
        return new CTavoPColorBar(colors, (COLORREF)-1, "Auto", "More", "Doc", none, 3, 2, 4,
                                  kGreen, 0, nullptr);
    }();
    return *pSource;
}

Bytes BarTail()
{
    return ByteWriter()
        .D(3)
        .D(2)
        .D(4)
        .D(kGreen)
        .B(4)
        .Text("Auto")
        .B(4)
        .Text("More")
        .B(3)
        .Text("Doc")
        .D(1)
        .D(1234)
        .D(0)
        .D(2)
        .D(kRed)
        .D(kBlue);
}

Bytes Tail(const Bytes& all, const Bytes& head)
{
    EXPECT_GE(all.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), all.begin()));
    return Bytes(all.begin() + (std::ptrdiff_t)head.size(), all.end());
}

} // namespace

TEST(ColorBarArchive, StoresItsSettingsAfterTheToolbarsAndReadsThemBack)
{
    CTavoPColorBar bar(StoredSource(), 1234);
    const Bytes all = StoreToBytes([&](CArchive& ar) { bar.Serialize(ar); });
    const Bytes head = StoreToBytes([&](CArchive& ar) { bar.CTavoPToolBar::Serialize(ar); });
    EXPECT_EQ(BarTail(), Tail(all, head));

    CTavoPColorBar loaded;
    LoadFromBytes(all, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(3, loaded.GetColumns());
    EXPECT_EQ(2, loaded.GetDockedRows());
    EXPECT_EQ(4, loaded.GetDockedColumns());
    EXPECT_EQ(kGreen, loaded.GetAutomaticColor());
    EXPECT_EQ(CString("Auto"), loaded.GetAutoLabel());
    EXPECT_EQ(CString("More"), loaded.GetOtherLabel());
    EXPECT_EQ(CString("Doc"), loaded.GetDocLabel());
    EXPECT_TRUE(loaded.IsStandalone());
    EXPECT_EQ(1234u, loaded.GetCommandID());
    EXPECT_FALSE(loaded.UsesSystemDialog());
    ASSERT_EQ(2, (int)loaded.GetColors().GetSize());
    EXPECT_EQ(kBlue, loaded.GetColors()[1]);
    // Rebuilt: automatic, two colours, separator, other, preview.
    EXPECT_EQ(6, loaded.GetCount());
}

TEST(ColorBarArchive, DamagedRecordsFailCleanlyAndKeepTheBar)
{
    CTavoPColorBar bar(StoredSource(), 1234);
    const Bytes head = StoreToBytes([&](CArchive& ar) { bar.CTavoPToolBar::Serialize(ar); });
    const Bytes tail = BarTail();
    const size_t nCountAt = tail.size() - 12; // the colour count before the two colours
    auto withCount = [&](DWORD dwCount) {
        Bytes damaged = ByteWriter()
                            .Append(head)
                            .Append(Bytes(tail.begin(), tail.begin() + nCountAt))
                            .D(dwCount);
        return damaged;
    };
    struct Case
    {
        const char* name;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"cut inside a label",
         ByteWriter().Append(head).Append(Bytes(tail.begin(), tail.begin() + 18)),
         CArchiveException::endOfFile},
        {"a negative count", withCount(0xFFFFFFFF), CArchiveException::badIndex},
        {"a count beyond any palette", withCount(0x7FFFFFFF), CArchiveException::badIndex},
        {"fewer colours than counted", withCount(3), CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        CTavoPColorBar loaded;
        EXPECT_EQ(c.cause, LoadFailureCause(c.bytes, [&](CArchive& ar) { loaded.Serialize(ar); }))
            << c.name;
        EXPECT_EQ(0, (int)loaded.GetColors().GetSize()) << c.name;
        EXPECT_EQ(0, loaded.GetColumns()) << c.name;
    }
}

TEST(ColorMenuButtonArchive, StoresDockedColumnsBeforeRowsAndReadsThemBack)
{
    CTavoPWorkspace workspace;
    CTavoPColorMenuButton button;
    button.m_nID = kColorCmd;
    CColorArray colors;
    colors.Add(kRed);
    colors.Add(kBlue);
    button.SetColors(colors);
    button.SetColumnsNumber(5);
    button.SetDockedCounts(3, 2);
    button.EnableAutomaticButton("Auto", kGreen);
    button.EnableOtherButton("More", FALSE);
    button.EnableDocumentColors("Doc", FALSE);

    const Bytes all = StoreToBytes([&](CArchive& ar) { button.Serialize(ar); });
    const Bytes head =
        StoreToBytes([&](CArchive& ar) { button.CTavoPToolbarMenuButton::Serialize(ar); });
    const Bytes expected = ByteWriter()
                               .D(2)
                               .D(kRed)
                               .D(kBlue)
                               .D(5)
                               .D(3)
                               .D(2)
                               .D(1)
                               .D(1)
                               .D(0)
                               .B(4)
                               .Text("Auto")
                               .B(4)
                               .Text("More")
                               .B(3)
                               .Text("Doc")
                               .D(kGreen)
                               .D(1);
    EXPECT_EQ(expected, Tail(all, head));

    CTavoPColorMenuButton loaded;
    LoadFromBytes(all, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(2, (int)loaded.GetColors().GetSize());
    EXPECT_EQ(5, loaded.GetColumns());
    EXPECT_EQ(3, loaded.GetDockedColumns());
    EXPECT_EQ(2, loaded.GetDockedRows());
    EXPECT_TRUE(loaded.IsAutomaticShown());
    EXPECT_TRUE(loaded.IsOtherShown());
    EXPECT_FALSE(loaded.IsDocumentColorsShown());
    EXPECT_EQ(CString("Doc"), loaded.GetDocLabel());
    EXPECT_EQ(kGreen, loaded.GetAutomaticColor());
    EXPECT_TRUE(loaded.UsesSystemDialog());
    EXPECT_EQ((COLORREF)-1, loaded.GetColor()); // the current colour is not stored

    // A damaged count fails the load and leaves the button as it was.
    Bytes damaged = ByteWriter().Append(head).D(0x80000000);
    CTavoPColorMenuButton untouched;
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailureCause(damaged, [&](CArchive& ar) { untouched.Serialize(ar); }));
    EXPECT_EQ(0, (int)untouched.GetColors().GetSize());
    EXPECT_EQ(-1, untouched.GetColumns());
}

TEST(ColorMenuButtonCopy, CopiesEverySettingAndTheColourForItsCommand)
{
    CTavoPColorBar::ColorsByCommand().RemoveAll();
    CTavoPColorMenuButton source;
    source.m_nID = kColorCmd;
    CColorArray colors;
    colors.Add(kRed);
    source.SetColors(colors);
    source.SetColumnsNumber(6);
    source.SetDockedCounts(3, 2);
    source.EnableAutomaticButton("Auto", kGreen);
    source.EnableOtherButton("More", FALSE);
    source.EnableDocumentColors("Doc");
    source.SetColor(kBlue, FALSE);
    CTavoPColorBar::ColorsByCommand().RemoveAll();

    CTavoPColorMenuButton copy;
    copy.CopyFrom(source);
    EXPECT_EQ(kColorCmd, copy.m_nID);
    EXPECT_EQ(kBlue, copy.GetColor());
    COLORREF stored = 0;
    EXPECT_TRUE(CTavoPColorBar::ColorsByCommand().Lookup(kColorCmd, stored));
    EXPECT_EQ(kBlue, stored);
    ASSERT_EQ(1, (int)copy.GetColors().GetSize());
    EXPECT_EQ(kRed, copy.GetColors()[0]);
    EXPECT_EQ(6, copy.GetColumns());
    EXPECT_EQ(3, copy.GetDockedColumns());
    EXPECT_EQ(2, copy.GetDockedRows());
    EXPECT_TRUE(copy.IsAutomaticShown() && copy.IsOtherShown() && copy.IsDocumentColorsShown());
    EXPECT_EQ(CString("Auto"), copy.GetAutoLabel());
    EXPECT_EQ(CString("More"), copy.GetOtherLabel());
    EXPECT_EQ(CString("Doc"), copy.GetDocLabel());
    EXPECT_EQ(kGreen, copy.GetAutomaticColor());
    EXPECT_TRUE(copy.UsesSystemDialog());
}
