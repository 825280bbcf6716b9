#include "ui/commandbars/CTavoPToolbarButton.h"

IMPLEMENT_DYNCREATE(CTavoPToolbarButton, CObject)

CTavoPToolbarButton::CTavoPToolbarButton() : m_nID(0), m_nStyle(0), m_rect(0, 0, 0, 0)
{}

CTavoPToolbarButton::~CTavoPToolbarButton()
{}

// Recent files, system commands, OLE verbs and the top of the ID range stay as the program made them.
BOOL CTavoPToolbarButton::CanBeCustomized() const
{
    const UINT id = m_nID;
    return !((id >= 0xE110 && id <= 0xE11F) || (id >= 0xF000 && id <= 0xF1EF) || id >= 0xFF00 ||
             (id >= 0xE210 && id <= 0xE21F));
}
