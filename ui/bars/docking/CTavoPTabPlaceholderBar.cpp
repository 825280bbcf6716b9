#include "ui/bars/docking/CTavoPTabPlaceholderBar.h"

BEGIN_MESSAGE_MAP(CTavoPTabPlaceholderBar, CTavoPDockingControlBar)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPTabPlaceholderBar, CTavoPDockingControlBar)

CTavoPTabPlaceholderBar::CTavoPTabPlaceholderBar() = default;

CTavoPTabPlaceholderBar::~CTavoPTabPlaceholderBar() = default;
