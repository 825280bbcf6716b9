#include "ui/commandbars/menus/CTavoPToolbarMenuButtonsButton.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_DYNCREATE(CTavoPToolbarMenuButtonsButton, CTavoPToolbarButton)

CTavoPToolbarMenuButtonsButton::CTavoPToolbarMenuButtonsButton() : m_uiSystemCommand(0)
{}

// The command ID is the system command: the bar's command-UI update leaves system commands alone.
CTavoPToolbarMenuButtonsButton::CTavoPToolbarMenuButtonsButton(UINT uiSysCommand)
    : m_uiSystemCommand(uiSysCommand)
{
    m_nID = uiSysCommand;
}

CTavoPToolbarMenuButtonsButton::~CTavoPToolbarMenuButtonsButton() = default;

void CTavoPToolbarMenuButtonsButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarButton::CopyFrom(src);
    if (const CTavoPToolbarMenuButtonsButton* pSrc = DYNAMIC_DOWNCAST(
            CTavoPToolbarMenuButtonsButton, const_cast<CTavoPToolbarButton*>(&src)))
        m_uiSystemCommand = pSrc->m_uiSystemCommand;
}

SIZE CTavoPToolbarMenuButtonsButton::OnCalculateSize(CDC*, const CSize&, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}

void CTavoPToolbarMenuButtonsButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList*,
                                            BOOL, BOOL, BOOL bHighlight, BOOL, BOOL)
{
    CTavoPVisualManager::GetInstance()->OnDrawMenuSystemButton(pDC, rect, m_uiSystemCommand,
                                                               m_nStyle, bHighlight);
}
