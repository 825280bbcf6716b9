// The library's in-place frame of a document server: the same bars, menus and docking as the plain in-place frame over the document in-place base.
#pragma once
#include "ui/bars/frames/TavoPOleInPlaceFrame.h"

class CTavoPOleDocIPFrameWnd : public TavoPOleInPlaceFrame<COleDocIPFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPOleDocIPFrameWnd)
public:
    CTavoPOleDocIPFrameWnd();
    virtual ~CTavoPOleDocIPFrameWnd();

protected:
    DECLARE_MESSAGE_MAP()
};
