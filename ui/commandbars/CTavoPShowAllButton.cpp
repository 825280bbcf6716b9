#include "ui/commandbars/CTavoPShowAllButton.h"

IMPLEMENT_DYNCREATE(CTavoPShowAllButton, CTavoPToolbarMenuButton)

CTavoPShowAllButton::CTavoPShowAllButton()
{}

CTavoPShowAllButton::~CTavoPShowAllButton()
{}
