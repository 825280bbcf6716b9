// The button image editor on a real 16 x 15 bitmap: cells, the drawing tools pixel by pixel, clear, and copy and paste through the real clipboard.
#include "ui/controls/customize/CTavoPImageEditorDlg.h"
#include "ui/controls/color/CColorButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "res/LibraryIds.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/GuiObjects.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Pixels of a bitmap read back through a memory DC.
COLORREF PixelOf(HBITMAP hbm, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    const COLORREF color = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    return color;
}

// A screen-compatible bitmap filled with one colour, with some pixels set.
HBITMAP MakeBitmap(int cx, int cy, COLORREF fill,
                   std::vector<std::pair<POINT, COLORREF>> pixels = {})
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    ::ReleaseDC(nullptr, hdcScreen);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    HBRUSH brush = ::CreateSolidBrush(fill);
    RECT rect = {0, 0, cx, cy};
    ::FillRect(hdc, &rect, brush);
    ::DeleteObject(brush);
    for (auto& p : pixels)
        ::SetPixel(hdc, p.first.x, p.first.y, p.second);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    return hbm;
}

bool PutOnClipboard(HWND owner, HBITMAP hbm)
{
    if (!::OpenClipboard(owner))
        return false;
    ::EmptyClipboard();
    const bool ok = ::SetClipboardData(CF_BITMAP, hbm) != nullptr;
    ::CloseClipboard();
    return ok;
}

// The clipboard is free again: whoever opened it closed it.
bool ClipboardIsClosed()
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::CloseClipboard();
    return true;
}

class ImageEditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetGlobalData().UpdateSysColors();
        CTestSeams::Engage();
        CTestSeams::Clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "editor owner",
                                    WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
        bitmap.Attach(MakeBitmap(16, 15, kFace));
        dlg = new CTavoPImageEditorDlg(&bitmap, &parent);
        ASSERT_TRUE(dlg->Create(IDD_TAVOP_IMAGE_EDITOR, &parent));
        area().SetWindowPos(nullptr, 0, 0, 194, 182, SWP_NOMOVE | SWP_NOZORDER);
        area().SetBitmap(&bitmap);
    }
    void TearDown() override
    {
        dlg->DestroyWindow();
        delete dlg;
        parent.DestroyWindow();
        CTestSeams::Release();
        GetGlobalData().UpdateSysColors();
    }

    CTavoPImagePaintArea& area() { return dlg->GetPaintArea(); }
    COLORREF Pixel(int x, int y) { return PixelOf((HBITMAP)bitmap.m_hObject, x, y); }
    // The pixels of the image that have the colour, as "x,y" in row order.
    std::vector<std::string> PixelsOf(COLORREF color)
    {
        std::vector<std::string> found;
        for (int y = 0; y < 15; y++)
            for (int x = 0; x < 16; x++)
                if (Pixel(x, y) == color)
                    found.push_back(std::to_string(x) + "," + std::to_string(y));
        return found;
    }
    LPARAM At(int x, int y)
    {
        const CPoint pt = area().BitmapToClient(CPoint(x, y));
        return MAKELPARAM(pt.x, pt.y);
    }
    // Presses the mouse on the first pixel, moves over the others and lets go on the last.
    void Drag(std::vector<POINT> path)
    {
        area().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(path.front().x, path.front().y));
        for (const POINT& p : path)
            area().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(p.x, p.y));
        area().SendMessage(WM_LBUTTONUP, 0, At(path.back().x, path.back().y));
    }
    void Use(int nTool, COLORREF color = kBlack)
    {
        area().SetColor(color);
        area().SetMode(nTool);
    }

    ClassicColors classic;
    CWnd parent;
    CBitmap bitmap;
    CTavoPImageEditorDlg* dlg = nullptr;
};

std::vector<std::string> Expected(std::vector<POINT> points)
{
    // Row order, as PixelsOf reports them.
    std::vector<std::string> result;
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16; x++)
            for (const POINT& p : points)
                if (p.x == x && p.y == y)
                    result.push_back(std::to_string(x) + "," + std::to_string(y));
    return result;
}

} // namespace

using ImageEditor = ImageEditorFixture;

TEST_F(ImageEditor, CellsFitTheAreaAndATooSmallAreaIgnoresTheMouse)
{
    EXPECT_EQ(CSize(12, 12), area().GetCellSize());
    EXPECT_EQ(CPoint(3 * 12 + 1 + 6, 4 * 12 + 1 + 6), area().BitmapToClient(CPoint(3, 4)));
    EXPECT_EQ(CPoint(15, 14), area().ScreenToBitmap(CPoint(500, 500))); // clamped

    // The grid: a dark frame outside it, shadow lines between cells, a black pixel's cell.
    Use(CTavoPImagePaintArea::ToolPencil);
    Drag({{2, 1}});
    DibCanvas canvas(194, 182);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = area().m_hWnd;
    dis.hDC = canvas.dc();
    dis.rcItem = {0, 0, 194, 182};
    area().DrawItem(&dis);
    EXPECT_EQ(RGB(64, 64, 64), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(16 * 12 + 1, 15 * 12 + 1));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(1 + 12, 50));
    EXPECT_EQ(kBlack, canvas.Pixel(1 + 2 * 12 + 6, 1 + 1 * 12 + 6));
    EXPECT_EQ(kFace, canvas.Pixel(1 + 5 * 12 + 6, 1 + 5 * 12 + 6));

    // Cells below one pixel: no grid, and the mouse changes nothing.
    area().SetWindowPos(nullptr, 0, 0, 12, 10, SWP_NOMOVE | SWP_NOZORDER);
    area().SetBitmap(&bitmap);
    EXPECT_EQ(CSize(0, 0), area().GetCellSize());
    for (int nTool : {CTavoPImagePaintArea::ToolPencil, CTavoPImagePaintArea::ToolLine,
                      CTavoPImagePaintArea::ToolFill, CTavoPImagePaintArea::ToolRectangle})
    {
        Use(nTool, kRed);
        area().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        area().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 6));
        area().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 6));
    }
    EXPECT_TRUE(PixelsOf(kRed).empty());
    DibCanvas small(12, 10, RGB(1, 2, 3));
    dis.hDC = small.dc();
    dis.rcItem = {0, 0, 12, 10};
    area().DrawItem(&dis); // must come back, with nothing but the face and the frame
    EXPECT_EQ(kFace, small.Pixel(6, 5));
}

TEST_F(ImageEditor, ToolsDrawPixelByPixel)
{
    using T = CTavoPImagePaintArea;
    // The outline of the box from (2, 3) to (5, 6), both corners included.
    const std::vector<POINT> box = {{2, 3}, {3, 3}, {4, 3}, {5, 3}, {2, 4}, {5, 4},
                                    {2, 5}, {5, 5}, {2, 6}, {3, 6}, {4, 6}, {5, 6}};
    struct Case
    {
        const char* name;
        int tool;
        std::vector<POINT> path;
        std::vector<POINT> black;
    };
    const Case cases[] = {
        {"pencil follows the mouse",
         T::ToolPencil,
         {{1, 1}, {2, 1}, {4, 3}},
         {{1, 1}, {2, 1}, {4, 3}}},
        {"horizontal line ends on its last pixel",
         T::ToolLine,
         {{1, 2}, {3, 2}, {6, 2}},
         {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}},
        {"diagonal line", T::ToolLine, {{0, 0}, {3, 3}}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"line clicked without moving is one pixel", T::ToolLine, {{5, 5}}, {{5, 5}}},
        {"rectangle takes in both corners", T::ToolRectangle, {{2, 3}, {5, 6}}, box},
        {"rectangle dragged backwards is the same", T::ToolRectangle, {{5, 6}, {2, 3}}, box},
        {"rectangle clicked without moving is one pixel", T::ToolRectangle, {{7, 8}}, {{7, 8}}},
        {"ellipse clicked without moving is one pixel", T::ToolEllipse, {{9, 9}}, {{9, 9}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        dlg->OnToolClear();
        ASSERT_EQ(240u, PixelsOf(kFace).size());
        Use(c.tool);
        Drag(c.path);
        EXPECT_EQ(Expected(c.black), PixelsOf(kBlack));
        EXPECT_EQ(240u - c.black.size(), PixelsOf(kFace).size());
    }

    // An ellipse stays inside its box and reaches all four sides.
    dlg->OnToolClear();
    Use(T::ToolEllipse);
    Drag({{2, 2}, {12, 10}});
    const std::vector<std::string> ellipse = PixelsOf(kBlack);
    EXPECT_FALSE(ellipse.empty());
    int left = 99, right = -1, top = 99, bottom = -1;
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16; x++)
            if (Pixel(x, y) == kBlack)
            {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_EQ(2, left);
    EXPECT_EQ(12, right);
    EXPECT_EQ(2, top);
    EXPECT_EQ(10, bottom);
    EXPECT_EQ(kFace, Pixel(7, 6)); // hollow
}

TEST_F(ImageEditor, FillReplacesTheConnectedAreaAndPickTakesAColour)
{
    using T = CTavoPImagePaintArea;
    Use(T::ToolRectangle);
    Drag({{2, 2}, {6, 6}});
    Use(T::ToolFill, kRed);
    Drag({{4, 4}});
    EXPECT_EQ(9u, PixelsOf(kRed).size()); // the 3 x 3 inside
    EXPECT_EQ(kRed, Pixel(3, 3));
    EXPECT_EQ(kBlack, Pixel(2, 2));
    EXPECT_EQ(kFace, Pixel(0, 0));

    Use(T::ToolFill, kGreen);
    Drag({{0, 0}});
    EXPECT_EQ(240u - 9 - 16, PixelsOf(kGreen).size()); // everything outside the outline
    EXPECT_EQ(kRed, Pixel(4, 4));

    // Picking switches back to the pencil with the picked colour, chosen in the colours too.
    Use(T::ToolPickColor, kBlue);
    Drag({{4, 4}});
    EXPECT_EQ(kRed, area().GetColor());
    EXPECT_EQ(kRed, dlg->GetColorBar().GetColor());
    EXPECT_EQ(T::ToolPencil, area().GetMode());
    EXPECT_EQ(0u, PixelsOf(kBlue).size());
}

TEST_F(ImageEditor, EveryToolWritesTheSystemColourOfAStandardColour)
{
    // With a face that is not grey, silver drawn by any tool must come out as the face colour,
    // the way the toolbar images hold it, not with red and blue exchanged.
    const COLORREF kWarmFace = RGB(236, 233, 216);
    int element = COLOR_BTNFACE;
    ::SetSysColors(1, &element, &kWarmFace);
    GetGlobalData().UpdateSysColors();
    dlg->OnToolClear();
    EXPECT_EQ(240u, PixelsOf(kWarmFace).size());

    Use(CTavoPImagePaintArea::ToolRectangle);
    Drag({{2, 2}, {6, 6}});
    Use(CTavoPImagePaintArea::ToolPencil, kFace);
    Drag({{2, 2}});
    EXPECT_EQ(kWarmFace, Pixel(2, 2));
    Use(CTavoPImagePaintArea::ToolLine, kFace);
    Drag({{3, 6}, {6, 6}});
    EXPECT_EQ(kWarmFace, Pixel(3, 6));
    EXPECT_EQ(kWarmFace, Pixel(4, 6));
    EXPECT_EQ(kWarmFace, Pixel(6, 6));
    Use(CTavoPImagePaintArea::ToolFill, kRed);
    Drag({{4, 4}});
    Use(CTavoPImagePaintArea::ToolFill, kFace);
    Drag({{4, 4}});
    EXPECT_EQ(kWarmFace, Pixel(4, 4));
    EXPECT_EQ(kBlack, Pixel(3, 2));
    EXPECT_EQ(0u, PixelsOf(RGB(216, 233, 236)).size());
}

TEST_F(ImageEditor, PasteCentresASmallerBitmapAndCutsALargerOne)
{
    // Larger: its top left part, corner to corner.
    HBITMAP large =
        MakeBitmap(20, 20, kBlue, {{{0, 0}, kRed}, {{15, 14}, kGreen}, {{16, 14}, kRed}});
    ASSERT_TRUE(PutOnClipboard(parent.m_hWnd, large));
    dlg->OnToolPaste();
    EXPECT_TRUE(ClipboardIsClosed());
    EXPECT_EQ(kRed, Pixel(0, 0));
    EXPECT_EQ(kGreen, Pixel(15, 14));
    EXPECT_EQ(240u - 2, PixelsOf(kBlue).size());

    // Smaller: centred on the button face; nothing beyond the pasted bitmap is copied.
    HBITMAP small = MakeBitmap(8, 5, kRed, {{{0, 0}, kGreen}});
    ASSERT_TRUE(PutOnClipboard(parent.m_hWnd, small));
    dlg->OnToolPaste();
    EXPECT_TRUE(ClipboardIsClosed());
    EXPECT_EQ(kGreen, Pixel(4, 5));
    EXPECT_EQ(39u, PixelsOf(kRed).size());
    EXPECT_EQ(kRed, Pixel(11, 9));
    EXPECT_EQ(240u - 40, PixelsOf(kFace).size());

    // Each paste releases its copy of the clipboard's bitmap.
    const int before = GuiObjects::GdiCount(::GetCurrentProcess());
    for (int i = 0; i < 5; i++)
        dlg->OnToolPaste();
    EXPECT_EQ(before, GuiObjects::GdiCount(::GetCurrentProcess()));
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    // Nothing to paste: the message, and the image as it was.
    ASSERT_TRUE(::OpenClipboard(parent.m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    dlg->OnToolPaste();
    EXPECT_TRUE(ClipboardIsClosed());
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_EQ("Can't paste bitmap image from the clipboard!",
              std::string((LPCTSTR)CTestSeams::MessageBoxes()[0].strText));
    EXPECT_EQ(kGreen, Pixel(4, 5));
}

TEST_F(ImageEditor, CopyPutsTheImageOnTheClipboardAndClearFillsWithTheFace)
{
    Use(CTavoPImagePaintArea::ToolPencil, kRed);
    Drag({{0, 0}, {15, 14}});
    dlg->OnToolCopy();
    EXPECT_TRUE(ClipboardIsClosed());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HBITMAP hbm = (HBITMAP)::GetClipboardData(CF_BITMAP);
    BITMAP info = {};
    ASSERT_NE(nullptr, hbm);
    ::GetObject(hbm, sizeof(info), &info);
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(15, info.bmHeight);
    EXPECT_EQ(kRed, PixelOf(hbm, 0, 0));
    EXPECT_EQ(kRed, PixelOf(hbm, 15, 14));
    EXPECT_EQ(kFace, PixelOf(hbm, 7, 7));
    ::CloseClipboard();

    // The tools bar enables paste only while the clipboard holds a bitmap.
    dlg->SendMessage(WM_KICKIDLE);
    CTavoPToolBar& tools = dlg->GetToolBar();
    const int iPaste = tools.CommandToIndex(ID_TAVOP_IMAGE_PASTE);
    ASSERT_GE(iPaste, 0);
    EXPECT_EQ(0u, tools.GetButtonStyle(iPaste) & TBBS_DISABLED);
    EXPECT_NE(0u, tools.GetButtonStyle(tools.CommandToIndex(ID_TAVOP_TOOL_PENCIL)) & TBBS_CHECKED);

    dlg->OnToolClear();
    EXPECT_EQ(240u, PixelsOf(kFace).size());
}

TEST_F(ImageEditor, ToolsSitThreeInARowAndEachHasItsCursor)
{
    CTavoPToolBar& tools = dlg->GetToolBar();
    auto rectOf = [&](UINT nID) {
        CRect rect;
        tools.GetItemRect(tools.CommandToIndex(nID), rect);
        return rect;
    };
    const CRect pencil = rectOf(ID_TAVOP_TOOL_PENCIL);
    EXPECT_EQ(pencil.top, rectOf(ID_TAVOP_TOOL_PICK).top);
    EXPECT_LT(pencil.left, rectOf(ID_TAVOP_TOOL_FILL).left);
    EXPECT_GT(rectOf(ID_TAVOP_TOOL_LINE).top, pencil.top);
    EXPECT_EQ(pencil.left, rectOf(ID_TAVOP_TOOL_LINE).left);
    EXPECT_EQ(rectOf(ID_TAVOP_TOOL_LINE).top, rectOf(ID_TAVOP_TOOL_ELLIPSE).top);
    EXPECT_GT(rectOf(ID_TAVOP_IMAGE_COPY).top, rectOf(ID_TAVOP_TOOL_LINE).top);

    // A tool button chosen on the bar reaches the paint area.
    dlg->SendMessage(WM_COMMAND, ID_TAVOP_TOOL_ELLIPSE);
    EXPECT_EQ(CTavoPImagePaintArea::ToolEllipse, area().GetMode());

    std::vector<HCURSOR> cursors;
    for (int nTool = 0; nTool < CTavoPImagePaintArea::ToolCount; nTool++)
    {
        area().SetMode(nTool);
        area().SendMessage(WM_SETCURSOR, (WPARAM)area().m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        cursors.push_back(::GetCursor());
        EXPECT_NE(nullptr, cursors.back()) << nTool;
    }
    std::sort(cursors.begin(), cursors.end());
    EXPECT_EQ(cursors.end(), std::unique(cursors.begin(), cursors.end()));
}

TEST_F(ImageEditor, AColourClickedInTheColoursIsTheOneToDrawWith)
{
    CTavoPColorBar& colors = dlg->GetColorBar();
    ASSERT_NE(nullptr, colors.GetSafeHwnd());
    EXPECT_EQ(kBlack, colors.GetColor());
    EXPECT_EQ(20, (int)colors.GetColors().GetSize()); // a deep image: the bar's own colours
    CColorButton* pRed = nullptr;
    for (int i = 0; i < colors.GetCount(); i++)
    {
        CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, colors.GetButton(i));
        if (pCell != nullptr && pCell->m_Color == kRed)
            pRed = pCell;
    }
    ASSERT_NE(nullptr, pRed);
    const CPoint at = pRed->Rect().CenterPoint();
    colors.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    colors.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    colors.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(kRed, area().GetColor());
    Use(CTavoPImagePaintArea::ToolPencil, area().GetColor());
    Drag({{1, 1}});
    EXPECT_EQ(kRed, Pixel(1, 1));

    // A palette image is offered the sixteen palette colours only.
    CBitmap palettized;
    palettized.Attach(MakeBitmap(16, 15, kFace));
    CTavoPImageEditorDlg low(&palettized, &parent, 8);
    ASSERT_TRUE(low.Create(IDD_TAVOP_IMAGE_EDITOR, &parent));
    EXPECT_EQ(16, (int)low.GetColorBar().GetColors().GetSize());
    low.DestroyWindow();
}

TEST(ImageEditorPalette, SixteenColoursAreTheStockPaletteWithoutItsMiddleFour)
{
    PALETTEENTRY stock[20] = {};
    ASSERT_EQ(20u, ::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0, 20, stock));
    CPalette palette;
    ASSERT_TRUE(CTavoPImageEditorDlg::CreateSixteenColorPalette(palette));
    PALETTEENTRY entries[17] = {};
    ASSERT_EQ(16u, palette.GetPaletteEntries(0, 17, entries));
    for (int i = 0; i < 16; i++)
    {
        const PALETTEENTRY& expected = stock[i < 8 ? i : i + 4];
        EXPECT_EQ(RGB(expected.peRed, expected.peGreen, expected.peBlue),
                  RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue))
            << i;
    }
}
