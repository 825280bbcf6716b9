#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPResourceScope.h"

namespace {
const COLORREF kMagenta = RGB(255, 0, 255);
}

// Black as loaded, then grey, silver and white copies (TavoPStatics.cpp).
CTavoPToolbarImageList* TavoPMenuGlyphStrips();

CTavoPToolbarImageList& CTavoPMenuGlyphImages::Strip(int state)
{
    int index = (state >= ImageBlack && state <= ImageLtGray) ? state : ImageWhite;
    return TavoPMenuGlyphStrips()[index];
}

BOOL CTavoPMenuGlyphImages::Initialize()
{
    CTavoPToolbarImageList& black = Strip(ImageBlack);
    if (black.GetCount() > 0)
        return TRUE;

    CTavoPResourceScope scope;
    black.SetImageSize(CSize(9, 9));
    if (!black.Load(kBitmapId))
        return FALSE;
    black.SetTransparentColor(kMagenta);

    const COLORREF colors[] = {RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255)};
    const int states[] = {ImageGray, ImageLtGray, ImageWhite};
    for (int i = 0; i < 3; i++)
    {
        CTavoPToolbarImageList& strip = Strip(states[i]);
        black.CopyTo(strip);
        strip.MapTo3DColors(TRUE, RGB(0, 0, 0), colors[i]);
    }
    for (int state = ImageBlack; state <= ImageWhite; state++)
        Strip(state).MapTo3DColors();
    return TRUE;
}

BOOL CTavoPMenuGlyphImages::Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, int state,
                                 const CSize& sizeImage)
{
    if (!Initialize())
        return FALSE;
    CTavoPToolbarImageList& strip = Strip(state);
    CTavoPDrawState ds;
    if (!strip.PrepareDraw(ds, sizeImage))
        return FALSE;
    strip.Draw(pDC, ptImage.x, ptImage.y, id);
    return strip.EndDraw(ds);
}

BOOL CTavoPMenuGlyphImages::Draw(CDC* pDC, IMAGES_IDS id, const CRect& rectImage, int state,
                                 const CSize& sizeImage)
{
    CSize size = (sizeImage.cx > 0 && sizeImage.cy > 0) ? sizeImage : CSize(9, 9);
    CPoint pt(rectImage.left + (rectImage.Width() - size.cx) / 2,
              rectImage.top + (rectImage.Height() - size.cy) / 2);
    return Draw(pDC, id, pt, state, sizeImage);
}

void CTavoPMenuGlyphImages::CleanUp()
{
    if (Strip(ImageBlack).GetCount() == 0)
        return;
    for (int state = ImageBlack; state <= ImageWhite; state++)
        Strip(state).Clear();
}

CSize CTavoPMenuGlyphImages::Size()
{
    return Strip(ImageBlack).GetImageSize();
}
