#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CTavoPToolbarMenuButton, CTavoPToolbarButton)

CTavoPToolbarMenuButton::CTavoPToolbarMenuButton() : m_pPopupMenu(nullptr), m_pWndParent(nullptr)
{}

CTavoPToolbarMenuButton::~CTavoPToolbarMenuButton()
{}
