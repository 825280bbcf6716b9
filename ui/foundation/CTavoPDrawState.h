// What CTavoPToolbarImageList::PrepareDraw selected into the shared DCs, for EndDraw to undo.
#pragma once
#include <windows.h>

struct CTavoPDrawState
{
    HBITMAP hbmMonoOld = nullptr;   // previous bitmap of the mask DC
    HBITMAP hbmOldGlyphs = nullptr; // previous bitmap of the image DC
};
