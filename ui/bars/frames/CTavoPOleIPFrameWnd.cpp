#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"

BEGIN_MESSAGE_MAP(CTavoPOleIPFrameWnd, COleIPFrameWnd)
    TAVOP_OLE_INPLACE_FRAME_MESSAGES()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPOleIPFrameWnd, COleIPFrameWnd)

CTavoPOleIPFrameWnd::CTavoPOleIPFrameWnd() = default;

CTavoPOleIPFrameWnd::~CTavoPOleIPFrameWnd() = default;
