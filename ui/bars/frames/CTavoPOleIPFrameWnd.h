// The library's frame for in-place editing of a server item: the single-document frame's bars and menus while the item is active, with the container's frame taken over so that bars dock there.
#pragma once
#include "ui/bars/frames/TavoPOleInPlaceFrame.h"

class CTavoPOleIPFrameWnd : public TavoPOleInPlaceFrame<COleIPFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPOleIPFrameWnd)
public:
    CTavoPOleIPFrameWnd();
    virtual ~CTavoPOleIPFrameWnd();

protected:
    DECLARE_MESSAGE_MAP()
};
