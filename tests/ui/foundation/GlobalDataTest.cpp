// Global data: colours and brushes after a colour change, the palette-display paths, fonts,
// the parent background, and the library clean-up.
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "tests/ui/foundation/ClassicPaletteTest.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>

namespace {
using GlobalData = ClassicPaletteTest;
}

TEST_F(GlobalData, ColoursAndBrushesFollowASystemColourChange)
{
    CTavoPGlobalData& data = GetGlobalData();
    data.UpdateSysColors();
    EXPECT_EQ(RGB(192, 192, 192), data.clrBtnFace);
    EXPECT_EQ(RGB(128, 128, 128), data.clrBtnShadow);
    EXPECT_EQ(RGB(64, 64, 64), data.clrBtnDkShadow);
    EXPECT_EQ(RGB(0, 0, 255), data.clrHotText);
    EXPECT_GT(data.m_nBitsPerPixel, 8);

    DibCanvas canvas(4, 4);
    BoundDC b(canvas.dc());
    data.FillRectLight(&b.dc, CRect(0, 0, 2, 4));
    b.dc.FillRect(CRect(2, 0, 4, 4), &data.brBtnFace);
    EXPECT_EQ(RGB(223, 223, 223), canvas.Pixel(0, 0)) << "halfway between face and highlight";
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(3, 3));

    int element = COLOR_BTNFACE;
    COLORREF odd = RGB(200, 100, 50);
    ::SetSysColors(1, &element, &odd);
    data.UpdateSysColors();
    EXPECT_EQ(odd, data.clrBtnFace);
    data.FillRectLight(&b.dc, CRect(0, 0, 2, 4));
    b.dc.FillRect(CRect(2, 0, 4, 4), &data.brBtnFace);
    EXPECT_EQ(RGB(227, 177, 152), canvas.Pixel(0, 0));
    EXPECT_EQ(odd, canvas.Pixel(3, 3));
}

TEST_F(GlobalData, PaletteDisplayGetsTheFaceAndHighlightCheckerboard)
{
    CDC::SetScreenBitsPerPixelOverride(8);
    CTavoPGlobalData& data = GetGlobalData();
    data.UpdateSysColors();
    EXPECT_EQ(8, data.m_nBitsPerPixel);
    DibCanvas canvas(8, 8, RGB(0, 0, 0));
    BoundDC b(canvas.dc());
    data.FillRectLight(&b.dc, CRect(0, 0, 8, 8));
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 8; x++)
            EXPECT_EQ(((x + y) & 1) ? RGB(255, 255, 255) : RGB(192, 192, 192), canvas.Pixel(x, y))
                << x << "," << y;
}

TEST_F(GlobalData, FontsAreBuiltFromTheMenuFont)
{
    CTavoPGlobalData& data = GetGlobalData();
    data.UpdateFonts();
    ASSERT_NE(nullptr, data.fontRegular.GetSafeHandle());
    LOGFONT regular, bold, under, vert, up, glyph;
    data.fontRegular.GetLogFont(&regular);
    data.fontBold.GetLogFont(&bold);
    data.fontUnderline.GetLogFont(&under);
    data.fontVert.GetLogFont(&vert);
    data.fontVertCaption.GetLogFont(&up);
    data.fontMarlett.GetLogFont(&glyph);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_EQ(regular.lfHeight, bold.lfHeight);
    EXPECT_TRUE(under.lfUnderline);
    EXPECT_EQ(2700, vert.lfEscapement);
    EXPECT_EQ(900, up.lfEscapement);
    EXPECT_STREQ("Arial", vert.lfFaceName);
    EXPECT_STREQ("Marlett", glyph.lfFaceName);
    EXPECT_EQ(SYMBOL_CHARSET, glyph.lfCharSet);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENUCHECK) - 1, glyph.lfHeight);
    EXPECT_NE(nullptr, data.fontTooltip.GetSafeHandle());

    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = 340;
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0));
    if (ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET)
        EXPECT_TRUE(lstrcmp(regular.lfFaceName, "Tahoma") == 0 ||
                    lstrcmp(regular.lfFaceName, "MS Sans Serif") == 0);
    else
        EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, regular.lfFaceName);

    TEXTMETRIC tm;
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, data.fontRegular.m_hObject);
    ::GetTextMetrics(hdc, &tm);
    ::SelectObject(hdc, old);
    ::ReleaseDC(nullptr, hdc);
    EXPECT_EQ(tm.tmHeight + 2, data.GetTextHeight(TRUE));
    EXPECT_GT(data.GetTextHeight(FALSE), 2);
    EXPECT_GT(data.m_sizeSmallIcon.cx, 0);
}

TEST_F(GlobalData, CleanUpTwiceIsSafeAndFontsComeBack)
{
    CTavoPGlobalData& data = GetGlobalData();
    CleanUpGlobals();
    CleanUpGlobals();
    EXPECT_EQ(nullptr, data.fontRegular.GetSafeHandle());
    EXPECT_EQ(nullptr, data.brLight.GetSafeHandle());
    EXPECT_EQ(nullptr, data.m_hinstUxThemeDLL);
    EXPECT_NE(nullptr, data.brBtnFace.GetSafeHandle())
        << "system brushes are not the library's to delete";
    data.UpdateFonts();
    data.UpdateSysColors();
    EXPECT_NE(nullptr, data.fontRegular.GetSafeHandle());
    EXPECT_NE(nullptr, data.brLight.GetSafeHandle());
}

TEST_F(GlobalData, ParentBackgroundIsPaintedInsideTheCallersClipRegion)
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = DefWindowProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = "TavoTestRedParent";
    ::RegisterClass(&wc);
    HWND parent = ::CreateWindow("TavoTestRedParent", "", WS_POPUP, 0, 0, 100, 100, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    HWND child = ::CreateWindow("STATIC", "", WS_CHILD, 10, 10, 40, 40, parent, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_NE(nullptr, child);

    DibCanvas canvas(40, 40);
    BoundDC b(canvas.dc());
    b.dc.IntersectClipRect(0, 0, 20, 40);
    CRect rect(0, 0, 30, 10);
    EXPECT_TRUE(GetGlobalData().DrawParentBackground(child, &b.dc, rect));

    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(19, 9));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(25, 5)) << "outside the caller's clip region";
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(5, 15)) << "outside the rect";
    CRect clip;
    b.dc.GetClipBox(clip);
    EXPECT_EQ(CRect(0, 0, 20, 40), clip) << "the caller's clip region is kept";
    EXPECT_EQ(CPoint(0, 0), b.dc.GetWindowOrg());

    ::DestroyWindow(parent);
    ::UnregisterClass("TavoTestRedParent", wc.hInstance);
    ::DeleteObject(wc.hbrBackground);
}

namespace {
// A floating frame that records the frame its bar floats for.
class FloatingFrame : public CTavoPMiniFrameWnd
{
public:
    void FloatFor(CWnd* pFrame) { m_hDockSite = pFrame->GetSafeHwnd(); }
};
}

TEST(OwningFrame, IsTheNearestFrameAboveAndFollowsAFloatingFrameToItsOwner)
{
    HINSTANCE hInst = ::GetModuleHandle(nullptr);
    HWND hFrame =
        ::CreateWindow("STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, hInst, nullptr);
    HWND hPane =
        ::CreateWindow("STATIC", "", WS_CHILD, 0, 0, 50, 50, hFrame, nullptr, hInst, nullptr);
    HWND hButton =
        ::CreateWindow("STATIC", "", WS_CHILD, 0, 0, 10, 10, hPane, nullptr, hInst, nullptr);
    HWND hFloating =
        ::CreateWindow("STATIC", "", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr, hInst, nullptr);
    HWND hFloatingBar =
        ::CreateWindow("STATIC", "", WS_CHILD, 0, 0, 10, 10, hFloating, nullptr, hInst, nullptr);
    CFrameWnd frame;
    CWnd pane, button, floatingBar;
    FloatingFrame floating;
    frame.Attach(hFrame);
    pane.Attach(hPane);
    button.Attach(hButton);
    floating.Attach(hFloating);
    floatingBar.Attach(hFloatingBar);

    EXPECT_EQ(&frame, FindOwningFrame(&button));
    EXPECT_EQ(&frame, FindOwningFrame(&pane));
    EXPECT_EQ(nullptr, FindOwningFrame(&frame)) << "never the window itself";
    EXPECT_EQ(nullptr, FindOwningFrame(nullptr));
    EXPECT_EQ(nullptr, FindOwningFrame(&floatingBar))
        << "a floating frame that floats for no frame is no frame";
    floating.FloatFor(&frame);
    EXPECT_EQ(&frame, FindOwningFrame(&floatingBar));

    for (CWnd* p : {(CWnd*)&floatingBar, (CWnd*)&floating, &button, &pane, (CWnd*)&frame})
        ::DestroyWindow(p->Detach());
    CWnd::DeleteTempMap();
}
