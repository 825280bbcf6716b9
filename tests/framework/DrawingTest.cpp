// The drawing classes against real GDI: handle ownership, temporary wrappers and pixels.
#include "framework/FrameworkWin.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

}

TEST(GdiObjects, WrapperOwnsItsHandleUntilDetached)
{
    HGDIOBJ owned;
    {
        CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
        owned = pen.m_hObject;
        ASSERT_EQ(OBJ_PEN, (int)::GetObjectType(owned));
        EXPECT_EQ(&pen, CPen::FromHandle((HPEN)owned));
    }
    EXPECT_EQ(0, (int)::GetObjectType(owned)) << "destroying the wrapper deletes the pen";

    HBRUSH kept;
    {
        CBrush brush(RGB(9, 9, 9));
        kept = (HBRUSH)brush.Detach();
        EXPECT_EQ(nullptr, brush.GetSafeHandle());
    }
    EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(kept)) << "a detached handle outlives its wrapper";
    // Once its owner is gone the handle gets a temporary wrapper, not the dead object.
    CGdiObject* temp = CGdiObject::FromHandle(kept);
    EXPECT_TRUE(temp->IsKindOf(RUNTIME_CLASS(CBrush)));
    ::DeleteObject(kept);
    CGdiObject::DeleteTempMap();
}

TEST(GdiObjects, TemporaryWrappersHaveTheHandlesKindAndAreFreedAtIdle)
{
    CGdiObject::DeleteTempMap();
    HGDIOBJ stock[] = {GetStockObject(BLACK_PEN), GetStockObject(GRAY_BRUSH),
                       GetStockObject(DEFAULT_GUI_FONT), GetStockObject(DEFAULT_PALETTE)};
    const CRuntimeClass* kinds[] = {RUNTIME_CLASS(CPen), RUNTIME_CLASS(CBrush),
                                    RUNTIME_CLASS(CFont), RUNTIME_CLASS(CPalette)};
    for (int i = 0; i < 4; i++)
    {
        CGdiObject* p = CGdiObject::FromHandle(stock[i]);
        ASSERT_NE(nullptr, p);
        EXPECT_TRUE(p->IsKindOf(kinds[i])) << i;
        EXPECT_EQ(p, CGdiObject::FromHandle(stock[i])) << "one wrapper per handle";
    }
    EXPECT_EQ(4, CGdiObject::GetTempMapCount());
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(0, CGdiObject::GetTempMapCount());
    EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(stock[1])) << "temporaries never delete the handle";

    CPen* none = nullptr;
    EXPECT_EQ(nullptr, none->GetSafeHandle());
    CDC* noDC = nullptr;
    EXPECT_EQ(nullptr, noDC->GetSafeHdc());
}

TEST(DeviceContext, SelectObjectAnswersThePreviousObject)
{
    DibCanvas canvas(8, 8);
    BoundDC b(canvas.dc());
    CBrush red(RGB(255, 0, 0));
    CBrush* old = b.dc.SelectObject(&red);
    ASSERT_NE(nullptr, old);
    EXPECT_EQ(&red, b.dc.GetCurrentBrush());
    EXPECT_EQ(&red, b.dc.SelectObject(old));
    EXPECT_EQ(&b.dc, CDC::FromHandle(canvas.dc()));
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

TEST(DeviceContext, FillSolidRectAndDraw3dRectPaintExactPixels)
{
    DibCanvas canvas(10, 10);
    BoundDC b(canvas.dc());
    CRect rc(1, 1, 9, 9);
    b.dc.FillSolidRect(&rc, RGB(192, 192, 192));
    b.dc.Draw3dRect(&rc, RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(kWhite, canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(1, 1));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(7, 1));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(8, 1))
        << "far corners belong to the bottom-right colour";
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(1, 8));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(8, 8));
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(2, 2));
    EXPECT_EQ(kWhite, canvas.Pixel(9, 9));
    EXPECT_EQ(RGB(0, 0, 255), b.dc.GetBkColor())
        << "each solid fill leaves its colour as background";
}

TEST(DeviceContext, DrawDragRectInvertsAHalftoneFrameAndErasesTheLastOne)
{
    DibCanvas canvas(40, 40);
    BoundDC b(canvas.dc());
    CRect first(2, 2, 22, 22), second(10, 10, 30, 30);
    CSize frame(3, 3);
    b.dc.DrawDragRect(&first, frame, nullptr, frame);
    // The frame is a checkerboard of inverted pixels; the inside stays untouched.
    EXPECT_NE(canvas.Pixel(2, 2), canvas.Pixel(3, 2));
    EXPECT_NE(canvas.Pixel(2, 2), canvas.Pixel(2, 3));
    EXPECT_EQ(canvas.Pixel(2, 2), canvas.Pixel(3, 3));
    EXPECT_EQ(30, canvas.Count(kBlack, 2, 2, 22, 5)) << "half of the 3 x 20 top band";
    EXPECT_EQ(14 * 14, canvas.Count(kWhite, 5, 5, 19, 19));
    EXPECT_EQ(0, canvas.Count(kBlack, 22, 0, 40, 40));

    b.dc.DrawDragRect(&second, frame, &first, frame);
    EXPECT_EQ(0, canvas.Count(kBlack, 0, 0, 40, 10)) << "the old outline is gone";
    EXPECT_EQ(30, canvas.Count(kBlack, 10, 10, 30, 13));
    b.dc.DrawDragRect(&second, CSize(0, 0), &second, frame);
    EXPECT_EQ(0, canvas.Count(kBlack, 0, 0, 40, 40))
        << "an empty frame over the last one erases it";
    HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, ::GetClipRgn(canvas.dc(), probe)) << "no clip region left behind";
    ::DeleteObject(probe);
}

TEST(DeviceContext, ScreenDepthSeamChangesOnlyDisplayDCs)
{
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    int real = screen.GetDeviceCaps(BITSPIXEL);
    CDC::SetScreenBitsPerPixelOverride(8);
    EXPECT_EQ(8, screen.GetDeviceCaps(BITSPIXEL));
    EXPECT_EQ(::GetDeviceCaps(screen.m_hDC, HORZRES), screen.GetDeviceCaps(HORZRES));
    CDC::SetScreenBitsPerPixelOverride(0);
    EXPECT_EQ(real, screen.GetDeviceCaps(BITSPIXEL));
    ::ReleaseDC(nullptr, screen.Detach());
}

TEST(ImageLists, MaskedImageDrawsOnlyItsOwnPixels)
{
    // Two 4 x 4 images: a red square with a magenta border, a plain green one.
    DibCanvas strip(8, 4, RGB(255, 0, 255));
    ::SetPixelV(strip.dc(), 1, 1, RGB(255, 0, 0));
    ::SetPixelV(strip.dc(), 2, 2, RGB(255, 0, 0));
    RECT green = {4, 0, 8, 4};
    ::FillRect(strip.dc(), &green, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    // The list copies the bitmap: it must not be selected into a DC meanwhile.
    HBITMAP copy = (HBITMAP)::CopyImage(strip.bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    CBitmap bitmap;
    bitmap.Attach(copy);

    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 0));
    EXPECT_EQ(0, list.Add(&bitmap, RGB(255, 0, 255)));
    EXPECT_EQ(2, list.GetImageCount());
    EXPECT_EQ(&list, CImageList::FromHandle(list.m_hImageList));

    DibCanvas canvas(12, 6, RGB(0, 128, 0));
    BoundDC b(canvas.dc());
    EXPECT_TRUE(list.Draw(&b.dc, 0, CPoint(1, 1), ILD_TRANSPARENT));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(2, 2));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(3, 3));
    EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(1, 1)) << "the mask colour is not drawn";
    EXPECT_TRUE(list.Draw(&b.dc, 1, CPoint(6, 1), ILD_TRANSPARENT));
    EXPECT_EQ(16, canvas.Count(kBlack, 6, 1, 10, 5));
}

namespace {
LRESULT CALLBACK PaintRedProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT)
    {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        CRect rect;
        ::GetClientRect(hWnd, rect);
        dc.FillSolidRect(rect, RGB(255, 0, 0));
        return 0;
    }
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}
}

TEST(WindowDCs, PaintClientAndWindowDCsBorrowAndGiveBackTheWindowsDC)
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = PaintRedProc;
    wc.hInstance = ::GetModuleHandle(nullptr);
    wc.lpszClassName = "TavoTestPaintRed";
    ::RegisterClass(&wc);
    HWND hWnd = ::CreateWindow("TavoTestPaintRed", "", WS_POPUP | WS_VISIBLE, 10, 10, 40, 30,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd);
    ::InvalidateRect(hWnd, nullptr, TRUE);
    ::UpdateWindow(hWnd);
    EXPECT_FALSE(::GetUpdateRect(hWnd, nullptr, FALSE)) << "the paint DC validated the window";
    {
        CClientDC dc(CWnd::FromHandle(hWnd));
        ASSERT_NE(nullptr, dc.m_hDC);
        EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
        EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5));
    }
    {
        CWindowDC screen(nullptr);
        EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), screen.GetDeviceCaps(HORZRES));
    }
    ::DestroyWindow(hWnd);
    ::UnregisterClass("TavoTestPaintRed", wc.hInstance);
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
}
