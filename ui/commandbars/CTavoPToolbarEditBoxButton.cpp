#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarEditCtrl.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

IMPLEMENT_SERIAL(CTavoPToolbarEditBoxButton, CTavoPToolbarButton, 1)

namespace {
const DWORD kDefaultEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
const int kDefaultWidth = 150;
// Stored styles are hostile input: the control must stay a child of its bar.
const DWORD kForbiddenEditStyle = WS_POPUP;
} // namespace

CTavoPToolbarEditBoxButton::CTavoPToolbarEditBoxButton()
    : m_dwStyle(kDefaultEditStyle), m_pWndEdit(NULL), m_bChangingText(FALSE),
      m_iWidth(kDefaultWidth), m_bHorzLayout(TRUE), m_bHot(FALSE)
{}

CTavoPToolbarEditBoxButton::CTavoPToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle,
                                                       int iWidth)
    : CTavoPToolbarButton(uiID, iImage), m_dwStyle(dwStyle | WS_CHILD | WS_VISIBLE),
      m_pWndEdit(NULL), m_bChangingText(FALSE), m_iWidth(iWidth == 0 ? kDefaultWidth : iWidth),
      m_bHorzLayout(TRUE), m_bHot(FALSE)
{}

CTavoPToolbarEditBoxButton::~CTavoPToolbarEditBoxButton()
{
    if (m_pWndEdit != NULL)
    {
        m_pWndEdit->DestroyWindow();
        delete m_pWndEdit;
    }
}

// ---- archive and copies ----

void CTavoPToolbarEditBoxButton::Serialize(CArchive& ar)
{
    CTavoPToolbarButton::Serialize(ar);
    if (ar.IsStoring())
    {
        if (m_pWndEdit != NULL)
            m_pWndEdit->GetWindowText(m_strContents);
        ar << (int)m_iWidth << (DWORD)m_dwStyle << m_strContents;
        return;
    }

    int iWidth = 0;
    DWORD dwStyle = 0;
    CString strContents;
    ar >> iWidth >> dwStyle >> strContents;
    m_iWidth = iWidth;
    m_dwStyle = dwStyle;
    m_rect.right = m_rect.left + m_iWidth;
    m_strContents.Empty(); // so that the loaded text reaches an existing edit
    SetContents(strContents);
}

void CTavoPToolbarEditBoxButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarButton::CopyFrom(src);
    const CTavoPToolbarEditBoxButton* pSrc =
        DYNAMIC_DOWNCAST(CTavoPToolbarEditBoxButton, const_cast<CTavoPToolbarButton*>(&src));
    if (pSrc == NULL || pSrc == this)
        return;
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    SetContents(pSrc->GetContents());
}

void CTavoPToolbarEditBoxButton::OnAddToCustomizePage()
{
    CObList listButtons;
    if (CTavoPToolBar::GetCommandButtons(m_nID, listButtons) > 0 && listButtons.GetHead() != this)
        CopyFrom(*(CTavoPToolbarButton*)listButtons.GetHead());
}

// ---- contents ----

CString CTavoPToolbarEditBoxButton::GetContents() const
{
    if (m_pWndEdit == NULL)
        return m_strContents;
    CString str;
    m_pWndEdit->GetWindowText(str);
    return str;
}

void CTavoPToolbarEditBoxButton::SetContents(const CString& strContents)
{
    if (m_strContents == strContents)
        return;
    m_strContents = strContents;
    if (m_pWndEdit != NULL)
    {
        m_bChangingText = TRUE;
        m_pWndEdit->SetWindowText(m_strContents);
        m_bChangingText = FALSE;
    }
}

BOOL CTavoPToolbarEditBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_pWndEdit == NULL || iNotifyCode != EN_CHANGE)
        return FALSE;
    m_pWndEdit->GetWindowText(m_strContents);

    CObList listButtons;
    CTavoPToolBar::GetCommandButtons(m_nID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarEditBoxButton* pOther =
            DYNAMIC_DOWNCAST(CTavoPToolbarEditBoxButton, listButtons.GetNext(pos));
        if (pOther != NULL && pOther != this)
            pOther->SetContents(m_strContents);
    }
    return !m_bChangingText;
}

// ---- the edit window ----

CEdit* CTavoPToolbarEditBoxButton::CreateEdit(CWnd* pWndParent, const CRect& rect)
{
    CTavoPToolbarEditCtrl* pEdit = new CTavoPToolbarEditCtrl(*this);
    const DWORD dwStyle = (m_dwStyle & ~kForbiddenEditStyle) | WS_CHILD;
    if (!pEdit->Create(dwStyle, rect, pWndParent, m_nID))
    {
        delete pEdit;
        return NULL;
    }
    return pEdit;
}

void CTavoPToolbarEditBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndEdit != NULL)
    {
        if (m_pWndEdit->GetParent() == pWndParent && pWndParent != NULL)
            return;
        m_pWndEdit->GetWindowText(m_strContents);
        m_pWndEdit->DestroyWindow();
        delete m_pWndEdit;
        m_pWndEdit = NULL;
        m_bHot = FALSE;
    }
    if (pWndParent == NULL || pWndParent->GetSafeHwnd() == NULL)
        return;

    CRect rect = m_rect;
    rect.DeflateRect(3, 1);
    rect.bottom = rect.top + GetGlobalData().m_nEditHeight;
    m_pWndEdit = CreateEdit(pWndParent, rect);
    if (m_pWndEdit == NULL)
        return;
    OnMove();
    m_pWndEdit->SetFont(&GetGlobalData().fontRegular, TRUE);
    m_pWndEdit->EnableWindow(!IsDisabledNow());

    CString strShown;
    m_pWndEdit->GetWindowText(strShown);
    if (!strShown.IsEmpty())
        m_strContents = strShown;
    else
    {
        m_bChangingText = TRUE;
        m_pWndEdit->SetWindowText(m_strContents);
        m_bChangingText = FALSE;
    }
}

void CTavoPToolbarEditBoxButton::OnMove()
{
    if (m_pWndEdit == NULL || m_pWndEdit->GetSafeHwnd() == NULL ||
        (m_pWndEdit->GetStyle() & WS_VISIBLE) == 0)
        return;
    const int nEditHeight = GetGlobalData().m_nEditHeight;
    const int nTop = m_rect.top + std::max(0, (m_rect.Height() - m_nTextHeight - nEditHeight) / 2);
    m_pWndEdit->SetWindowPos(NULL, m_rect.left + 3, nTop, m_rect.Width() - 6, nEditHeight,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndEdit->SendMessage(EM_SETSEL, (WPARAM)-1, 0);
    m_pWndEdit->SendMessage(EM_SCROLLCARET);
}

void CTavoPToolbarEditBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    OnMove();
}

HWND CTavoPToolbarEditBoxButton::GetHwnd()
{
    return m_pWndEdit != NULL ? m_pWndEdit->GetSafeHwnd() : NULL;
}

void CTavoPToolbarEditBoxButton::OnShow(BOOL bShow)
{
    if (m_pWndEdit == NULL || m_pWndEdit->GetSafeHwnd() == NULL)
        return;
    if (bShow)
    {
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
        OnMove();
    }
    else
        m_pWndEdit->ShowWindow(SW_HIDE);
}

BOOL CTavoPToolbarEditBoxButton::IsDisabledNow() const
{
    return CTavoPToolBar::IsCustomizeMode() ? !CanBeCustomized() : (m_nStyle & TBBS_DISABLED) != 0;
}

void CTavoPToolbarEditBoxButton::SetStyle(UINT nStyle)
{
    m_nStyle = nStyle;
    if (m_pWndEdit != NULL && m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->EnableWindow(!IsDisabledNow());
}

void CTavoPToolbarEditBoxButton::SetHot(BOOL bHot)
{
    if (m_bHot == bHot)
        return;
    m_bHot = bHot;
    if (m_pWndEdit == NULL)
        return;
    CWnd* pParent = m_pWndEdit->GetParent();
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        pParent->InvalidateRect(m_rect, TRUE);
        pParent->UpdateWindow();
    }
}

// ---- size, clicks and drawing ----

SIZE CTavoPToolbarEditBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorzLayout = bHorz;
    if (!bHorz)
    {
        if (m_pWndEdit != NULL && m_pWndEdit->GetSafeHwnd() != NULL)
            m_pWndEdit->ShowWindow(SW_HIDE);
        m_nTextWidth = 0;
        m_nTextHeight = 0;
        return CTavoPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }

    if (m_pWndEdit != NULL && m_pWndEdit->GetSafeHwnd() != NULL && !IsHidden())
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
    m_nTextWidth = 0;
    m_nTextHeight = 0;
    if (m_bTextBelow && !m_strText.IsEmpty() && pDC != NULL)
    {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_nTextWidth = rectText.Width();
        m_nTextHeight = rectText.Height();
    }
    return CSize(m_iWidth, sizeDefault.cy + m_nTextHeight);
}

BOOL CTavoPToolbarEditBoxButton::OnClick(CWnd* /*pWnd*/, BOOL /*bDelay*/)
{
    return IsControlVisible();
}

BOOL CTavoPToolbarEditBoxButton::HasHotBorder() const
{
    return !IsControlVisible();
}

HBRUSH CTavoPToolbarEditBoxButton::OnCtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return ::GetSysColorBrush(COLOR_WINDOW);
}

CRect CTavoPToolbarEditBoxButton::GetInvalidateRect() const
{
    // The text below the edit is measured inside the button's own width and height.
    return m_rect;
}

void CTavoPToolbarEditBoxButton::OnDraw(CDC* pDC, const CRect& rect,
                                        CTavoPToolbarImageList* pImages, BOOL bHorz,
                                        BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                        BOOL bGrayDisabledButtons)
{
    if (!IsControlVisible())
    {
        CTavoPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                    bDrawBorder, bGrayDisabledButtons);
        return;
    }

    const BOOL bDisabled = IsDisabledNow();
    CRect rectEdit;
    m_pWndEdit->GetWindowRect(rectEdit);
    m_pWndEdit->GetParent()->ScreenToClient(rectEdit);
    CRect rectBorder = rectEdit;
    rectBorder.InflateRect(1, 1);
    CTavoPVisualManager::GetInstance()->OnDrawEditBorder(pDC, rectBorder, bDisabled, TRUE, this);

    if (m_bTextBelow && bHorz && !m_strText.IsEmpty())
    {
        CRect rectText = rect;
        rectText.top = (rect.bottom + rectEdit.bottom - m_nTextHeight) / 2;
        const COLORREF clrOld = pDC->SetTextColor(GetLabelTextColor(bDisabled, bHighlight));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }
}

int CTavoPToolbarEditBoxButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nContent = CTavoPToolbarButton::DrawInCommandList(pDC, rect, bSelected);
    const int nBoxWidth = rect.Width() - nContent > 7 ? rect.Width() - nContent : 8;
    CRect rectBox = rect;
    rectBox.left = rect.right - nBoxWidth;
    rectBox.DeflateRect(2, 3);
    pDC->FillSolidRect(rectBox, ::GetSysColor(COLOR_WINDOW));
    pDC->DrawEdge(rectBox, EDGE_SUNKEN, BF_RECT);
    return rect.Width();
}
