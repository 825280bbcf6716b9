#include "ui/controls/CTavoPDialog.h"

BEGIN_MESSAGE_MAP(CTavoPDialog, CDialog)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPDialog, CDialog)

CTavoPDialog::CTavoPDialog()
    : m_hBkgrBitmap(NULL), m_sizeBkgrBitmap(0, 0), m_location(BACKGR_TILE),
      m_bAutoDestroyBmp(FALSE), m_Impl(this)
{}

CTavoPDialog::CTavoPDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_hBkgrBitmap(NULL), m_sizeBkgrBitmap(0, 0),
      m_location(BACKGR_TILE), m_bAutoDestroyBmp(FALSE), m_Impl(this)
{}

CTavoPDialog::CTavoPDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd), m_hBkgrBitmap(NULL), m_sizeBkgrBitmap(0, 0),
      m_location(BACKGR_TILE), m_bAutoDestroyBmp(FALSE), m_Impl(this)
{}

CTavoPDialog::~CTavoPDialog()
{
    FreeBackgroundImage();
}

void CTavoPDialog::FreeBackgroundImage()
{
    if (m_bAutoDestroyBmp && m_hBkgrBitmap != NULL)
        ::DeleteObject(m_hBkgrBitmap);
    m_hBkgrBitmap = NULL;
    m_sizeBkgrBitmap = CSize(0, 0);
    m_bAutoDestroyBmp = FALSE;
}

void CTavoPDialog::SetBackgroundColor(COLORREF color, BOOL bRepaint)
{
    m_brBkgr.DeleteObject();
    if (color != (COLORREF)-1)
        m_brBkgr.CreateSolidBrush(color);
    if (bRepaint && GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CTavoPDialog::SetBackgroundImage(HBITMAP hBitmap, BackgroundLocation location,
                                      BOOL bAutoDestroy, BOOL bRepaint)
{
    if (hBitmap != m_hBkgrBitmap)
        FreeBackgroundImage();
    m_hBkgrBitmap = hBitmap;
    m_location = location;
    m_bAutoDestroyBmp = hBitmap != NULL && bAutoDestroy;
    m_sizeBkgrBitmap = CSize(0, 0);
    BITMAP bmp = {};
    if (hBitmap != NULL && ::GetObject(hBitmap, sizeof(bmp), &bmp) != 0)
        m_sizeBkgrBitmap = CSize(bmp.bmWidth, bmp.bmHeight);
    if (bRepaint && GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

BOOL CTavoPDialog::SetBackgroundImage(UINT uiBmpResId, BackgroundLocation location, BOOL bRepaint)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uiBmpResId),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL)
        return FALSE;
    SetBackgroundImage(hBitmap, location, TRUE, bRepaint);
    return TRUE;
}

BOOL CTavoPDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CTavoPDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnCommand(wParam))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CTavoPDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    m_Impl.OnActivate(nState, pWndOther);
    CDialog::OnActivate(nState, pWndOther, bMinimized);
}

BOOL CTavoPDialog::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

BOOL CTavoPDialog::OnEraseBkgnd(CDC* pDC)
{
    if (m_brBkgr.GetSafeHandle() == NULL && m_hBkgrBitmap == NULL)
        return CDialog::OnEraseBkgnd(pDC);

    CRect rectClient;
    GetClientRect(rectClient);
    if (m_location != BACKGR_TILE || m_hBkgrBitmap == NULL)
    {
        if (m_brBkgr.GetSafeHandle() != NULL)
            pDC->FillRect(rectClient, &m_brBkgr);
        else
            CDialog::OnEraseBkgnd(pDC);
    }
    if (m_hBkgrBitmap == NULL || m_sizeBkgrBitmap.cx <= 0 || m_sizeBkgrBitmap.cy <= 0)
        return TRUE;

    const CSize size = m_sizeBkgrBitmap;
    switch (m_location)
    {
    case BACKGR_TOPLEFT:
        pDC->DrawState(rectClient.TopLeft(), size, m_hBkgrBitmap, DSS_NORMAL);
        break;
    case BACKGR_TOPRIGHT:
        pDC->DrawState(CPoint(rectClient.right - size.cx, rectClient.top), size, m_hBkgrBitmap,
                       DSS_NORMAL);
        break;
    case BACKGR_BOTTOMLEFT:
        pDC->DrawState(CPoint(rectClient.left, rectClient.bottom - size.cy), size, m_hBkgrBitmap,
                       DSS_NORMAL);
        break;
    case BACKGR_BOTTOMRIGHT:
        pDC->DrawState(CPoint(rectClient.right - size.cx, rectClient.bottom - size.cy), size,
                       m_hBkgrBitmap, DSS_NORMAL);
        break;
    default:
        for (int x = rectClient.left; x < rectClient.right; x += size.cx)
            for (int y = rectClient.top; y < rectClient.bottom; y += size.cy)
                pDC->DrawState(CPoint(x, y), size, m_hBkgrBitmap, DSS_NORMAL);
        break;
    }
    return TRUE;
}

HBRUSH CTavoPDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC && pWnd != nullptr &&
        (m_brBkgr.GetSafeHandle() != NULL || m_hBkgrBitmap != NULL))
    {
        char szClass[16] = {};
        ::GetClassName(pWnd->GetSafeHwnd(), szClass, sizeof(szClass));
        // Labels, check boxes and group boxes let the background show through.
        if (lstrcmpi(szClass, "Static") == 0 || lstrcmpi(szClass, "Button") == 0)
        {
            pDC->SetBkMode(TRANSPARENT);
            return (HBRUSH)::GetStockObject(NULL_BRUSH);
        }
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CTavoPDialog::OnDestroy()
{
    if (m_bAutoDestroyBmp)
        FreeBackgroundImage();
    m_Impl.OnDestroyOwner();
    CDialog::OnDestroy();
}
