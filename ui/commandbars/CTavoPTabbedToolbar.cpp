#include "ui/commandbars/CTavoPTabbedToolbar.h"

IMPLEMENT_DYNCREATE(CTavoPTabbedToolbar, CTavoPToolBar)

CTavoPTabbedToolbar::CTavoPTabbedToolbar() = default;

CTavoPTabbedToolbar::~CTavoPTabbedToolbar() = default;
