#include "ui/controls/color/CColorPopup.h"
#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/controls/color/CTavoPColorMenuButton.h"

BEGIN_MESSAGE_MAP(CColorPopup, CTavoPPopupMenu)
    ON_WM_CREATE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CColorPopup, CTavoPPopupMenu)

CColorPopup::CColorPopup(CTavoPColorMenuButton* pParentBtn, const CColorArray& colors,
                         COLORREF color, LPCTSTR lpszAutoColor, LPCTSTR lpszOtherColor,
                         LPCTSTR lpszDocColors, const CColorList& lstDocColors, int nColumns,
                         int nHorzDockRows, int nVertDockColumns, COLORREF colorAutomatic,
                         UINT uiCommandID)
    : m_wndColorBar(colors, color, lpszAutoColor, lpszOtherColor, lpszDocColors, lstDocColors,
                    nColumns, nHorzDockRows, nVertDockColumns, colorAutomatic, uiCommandID,
                    nullptr),
      m_hwndParent(NULL)
{
    m_pParentBtn = pParentBtn;
}

CColorPopup::CColorPopup(CTavoPColorButton* pParentBtn, const CColorArray& colors, COLORREF color,
                         LPCTSTR lpszAutoColor, LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                         const CColorList& lstDocColors, int nColumns, COLORREF colorAutomatic)
    : m_wndColorBar(colors, color, lpszAutoColor, lpszOtherColor, lpszDocColors, lstDocColors,
                    nColumns, -1, -1, colorAutomatic, (UINT)-1, pParentBtn),
      m_hwndParent(NULL)
{}

CColorPopup::~CColorPopup()
{
    if (m_wndColorBar.GetSafeHwnd() != NULL)
        m_wndColorBar.DestroyWindow();
}

int CColorPopup::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPToolBar::IsCustomizeMode())
        return -1;
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    DWORD dwStyle = WS_CHILD | CBRS_GRIPPER | CBRS_HIDE_INPLACE | CBRS_TOOLTIPS | CBRS_FLYBY;
    if (!m_bAnimate)
        dwStyle |= WS_VISIBLE;
    if (!m_wndColorBar.Create(this, dwStyle, 1, nullptr))
        return -1;
    m_hwndParent = lpCreateStruct->hwndParent;
    m_wndColorBar.SetBarStyle(m_wndColorBar.GetBarStyle() | CBRS_TOOLTIPS);
    if (!ActivatePopupMenu(GetTopFrame(), this))
        return -1;
    RecalcLayout(TRUE);
    return 0;
}

CTavoPControlBar* CColorPopup::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName)
{
    CTavoPColorMenuButton* pColorButton = DYNAMIC_DOWNCAST(CTavoPColorMenuButton, m_pParentBtn);
    if (pColorButton == nullptr)
        return nullptr;
    CTavoPColorBar* pBar = new CTavoPColorBar(m_wndColorBar, pColorButton->m_nID);
    if (!pBar->Create(pWndMain, WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_HIDE_INPLACE, uiID,
                      nullptr))
    {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
