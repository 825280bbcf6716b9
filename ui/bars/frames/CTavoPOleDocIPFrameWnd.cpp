#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"

BEGIN_MESSAGE_MAP(CTavoPOleDocIPFrameWnd, COleDocIPFrameWnd)
    TAVOP_OLE_INPLACE_FRAME_MESSAGES()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPOleDocIPFrameWnd, COleDocIPFrameWnd)

CTavoPOleDocIPFrameWnd::CTavoPOleDocIPFrameWnd() = default;

CTavoPOleDocIPFrameWnd::~CTavoPOleDocIPFrameWnd() = default;
