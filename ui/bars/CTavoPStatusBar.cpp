#include "ui/bars/CTavoPStatusBar.h"

IMPLEMENT_DYNCREATE(CTavoPStatusBar, CTavoPControlBar)

CTavoPStatusBar::CTavoPStatusBar() = default;

CTavoPStatusBar::~CTavoPStatusBar() = default;
