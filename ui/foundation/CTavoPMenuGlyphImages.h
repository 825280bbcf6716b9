// The 9 x 9 menu and caption glyphs (arrows, check mark, window buttons, pins, chevrons) in four colours.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarImageList;

class CTavoPMenuGlyphImages
{
public:
    enum IMAGES_IDS
    {
        IdArowDown,
        IdArowRight,
        IdCheck,
        IdMinimize,
        IdRestore,
        IdClose,
        IdMaximize,
        IdArowUp,
        IdArowShowAll,
        IdArowLeft,
        IdCloseSmall,
        IdMoreButtons,
        IdRadio,
        IdArowDownLarge,
        IdArowRightLarge,
        IdPinHorz,
        IdPinVert,
        IdArowLeftLarge,
        IdArowFirst,
        IdArowLast,
        IdArowRightTab3d,
        IdArowLeftTab3d,
        IdArowRightDsbldTab3d,
        IdArowLeftDsbldTab3d,
        IdCount
    };
    enum IMAGE_STATE
    {
        ImageBlack,
        ImageGray,
        ImageLtGray,
        ImageWhite
    };

    // Builds the four strips from bitmap 16129 once; TRUE when they are ready.
    static BOOL Initialize();
    // Draws one glyph at the point (in a rectangle: centred), sized sizeImage ((0, 0) = 9 x 9),
    // in the colour set: 0 black, 1 grey, 2 silver, any other white.
    static BOOL Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, int state = ImageBlack,
                     const CSize& sizeImage = CSize(0, 0));
    static BOOL Draw(CDC* pDC, IMAGES_IDS id, const CRect& rectImage, int state = ImageBlack,
                     const CSize& sizeImage = CSize(0, 0));
    // Drops the strips; the next Draw rebuilds them in the colours of the moment.
    static void CleanUp();
    static CSize Size();

    static const UINT kBitmapId = 16129;

private:
    static CTavoPToolbarImageList& Strip(int state);
};
