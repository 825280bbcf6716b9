#include "ui/commandbars/CTavoPDropDownFrame.h"
#include "ui/commandbars/CTavoPDropDownToolbarButton.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/foundation/CTavoPGlobalData.h"

BEGIN_MESSAGE_MAP(CTavoPDropDownFrame, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPDropDownFrame, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

namespace {

// The class of every drop-down frame, registered on first use.
CString& FrameClassName()
{
    static CString s_strClassName;
    return s_strClassName;
}

const DWORD kHorzChoicesStyle = 0x50005000; // WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | RIGHT
const DWORD kVertChoicesStyle = 0x5000A000; // WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | BOTTOM
const UINT kChoicesBarId = 0xE827;

BOOL IsHorizontalBar(const CTavoPToolBar* pBar)
{
    return pBar == NULL || (pBar->GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0;
}

} // namespace

CTavoPDropDownFrame::CTavoPDropDownFrame()
    : m_pParentBtn(NULL), m_pWndOriginToolbar(NULL), m_x(0), m_y(0), m_bAutoDestroyToolbar(TRUE)
{}

CTavoPDropDownFrame::~CTavoPDropDownFrame()
{
    // The choices belong to the source bar: the embedded bar must not delete them.
    m_wndToolBar.m_Buttons.RemoveAll();
    m_wndToolBar.m_pCustomizeBtn = NULL;
    if (m_bAutoDestroyToolbar && m_wndToolBar.GetSafeHwnd() != NULL)
        m_wndToolBar.DestroyWindow();
}

CTavoPToolBar* CTavoPDropDownFrame::GetParentBar() const
{
    if (m_pParentBtn == NULL)
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPToolBar, m_pParentBtn->m_pWndParent);
}

BOOL CTavoPDropDownFrame::Create(CWnd* pWndParent, int x, int y, CTavoPDropDownToolBar* pToolBar)
{
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    CString& strClass = FrameClassName();
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW),
                                       (HBRUSH)(COLOR_BTNFACE + 1), NULL);

    m_pWndOriginToolbar = pToolBar;
    if (x == -1 && y == -1 && pWndParent != NULL)
    {
        CPoint point(0, 0);
        pWndParent->ClientToScreen(&point);
        x = point.x + 5;
        y = point.y + 5;
    }
    m_x = x;
    m_y = y;

    CWnd* pParent = NULL;
    if (pWndParent != NULL)
    {
        HWND hwndOwner = ::GetWindow(pWndParent->GetSafeHwnd(), GW_OWNER);
        if (hwndOwner == NULL)
            hwndOwner = ::GetParent(pWndParent->GetSafeHwnd());
        if (hwndOwner != NULL)
            pParent = CWnd::FromHandle(hwndOwner);
    }

    // A failed creation has destroyed and deleted this object already.
    if (!CMiniFrameWnd::CreateEx(0, strClass, m_strCaption, WS_POPUP, CRect(x, y, x, y), pParent))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

int CTavoPDropDownFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTavoPToolBar* pParentBar = GetParentBar();
    if (pParentBar == NULL || m_pWndOriginToolbar == NULL)
        return -1;

    const DWORD dwStyle = IsHorizontalBar(pParentBar) ? kHorzChoicesStyle : kVertChoicesStyle;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), kChoicesBarId))
        return -1;

    CTavoPDropDownToolBar& src = *m_pWndOriginToolbar;
    src.m_ImagesLocked.CopyShared(m_wndToolBar.m_ImagesLocked);
    src.m_ColdImagesLocked.CopyShared(m_wndToolBar.m_ColdImagesLocked);
    src.m_DisabledImagesLocked.CopyShared(m_wndToolBar.m_DisabledImagesLocked);
    m_wndToolBar.m_sizeButtonLocked = src.m_sizeButtonLocked;
    m_wndToolBar.m_sizeImageLocked = src.m_sizeImageLocked;
    m_wndToolBar.m_sizeCurButtonLocked = src.m_sizeCurButtonLocked;
    m_wndToolBar.m_sizeCurImageLocked = src.m_sizeCurImageLocked;
    m_wndToolBar.m_bRouteToOwner = src.m_bRouteToOwner;
    m_wndToolBar.SetOwner(src.GetOwner());
    m_wndToolBar.m_Buttons.AddTail(&src.m_Buttons);
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~CBRS_GRIPPER);

    RecalcLayout();
    ::ReleaseCapture();
    m_wndToolBar.SetCapture();
    return 0;
}

void CTavoPDropDownFrame::RecalcLayout(BOOL /*bNotify*/)
{
    if (GetSafeHwnd() == NULL || m_wndToolBar.GetSafeHwnd() == NULL)
        return;
    CTavoPToolBar* pParentBar = GetParentBar();
    const BOOL bParentHorz = IsHorizontalBar(pParentBar);
    // Below a horizontal bar the choices stand in a column, beside a vertical one in a row.
    CSize size = m_wndToolBar.CalcSize(bParentHorz);
    size.cx += 6;
    size.cy += 6;

    if (m_x + size.cx > ::GetSystemMetrics(SM_CXFULLSCREEN))
    {
        if (pParentBar != NULL && !bParentHorz)
        {
            CRect rectBar;
            pParentBar->GetWindowRect(rectBar);
            m_x = rectBar.left - size.cx;
        }
        else
            m_x = ::GetSystemMetrics(SM_CXFULLSCREEN) - size.cx - 1;
    }
    if (m_y + size.cy > ::GetSystemMetrics(SM_CYFULLSCREEN))
    {
        if (m_pParentBtn != NULL)
        {
            const CRect& rectButton = m_pParentBtn->Rect();
            m_y += rectButton.top - rectButton.bottom - size.cy - 4;
        }
        else
        {
            m_y -= size.cy;
            if (m_y < 0)
                m_y = 0;
        }
    }
    SetWindowPos(NULL, m_x, m_y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPDropDownFrame::OnSize(UINT nType, int cx, int cy)
{
    CMiniFrameWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.GetSafeHwnd() != NULL)
        m_wndToolBar.SetWindowPos(NULL, 2, 2, cx - 4, cy - 4, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPDropDownFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    const CTavoPGlobalData& data = GetGlobalData();
    dc.Draw3dRect(rectClient, data.clrBtnLight, data.clrBtnDkShadow);
    rectClient.DeflateRect(1, 1);
    dc.Draw3dRect(rectClient, data.clrBtnHilite, data.clrBtnShadow);
}

int CTavoPDropDownFrame::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

void CTavoPDropDownFrame::OnDestroy()
{
    if (m_pParentBtn != NULL)
    {
        m_pParentBtn->m_pPopupMenu = NULL;
        m_pParentBtn->m_nStyle &= ~TBBS_PRESSED;
        // The bar still holds the press that opened the choices: it ends it here.
        CTavoPToolBar* pParentBar = GetParentBar();
        if (pParentBar != NULL && ::IsWindow(pParentBar->GetSafeHwnd()))
        {
            CPoint point;
            ::GetCursorPos(&point);
            pParentBar->ScreenToClient(&point);
            pParentBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        }
    }
    CMiniFrameWnd::OnDestroy();
}

BOOL CTavoPDropDownFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillRect(rectClient, &GetGlobalData().brBtnFace);
    return TRUE;
}

void CTavoPDropDownFrame::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CMiniFrameWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive && !CTavoPToolBar::IsCustomizeMode())
        SendMessage(WM_CLOSE);
}

void CTavoPDropDownFrame::PostNcDestroy()
{
    if (m_pParentBtn != NULL)
        m_pParentBtn->OnCancelMode();
    delete this;
}
