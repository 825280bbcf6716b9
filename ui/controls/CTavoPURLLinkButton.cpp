#include "ui/controls/CTavoPURLLinkButton.h"
#include "ui/foundation/CTavoPGlobalData.h"

BEGIN_MESSAGE_MAP(CTavoPURLLinkButton, CTavoPButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPURLLinkButton, CTavoPButton)

CTavoPURLLinkButton::CTavoPURLLinkButton()
{
    m_clrRegular = GetGlobalData().clrHilite;
    m_clrHover = GetGlobalData().clrHotText;
    m_sizePushOffset = CSize(0, 0);
    m_nFlatStyle = BUTTONSTYLE_NOBORDERS;
    m_bTransparent = TRUE;
    SetMouseCursorHand();
}

CTavoPURLLinkButton::~CTavoPURLLinkButton()
{}

CString CTavoPURLLinkButton::GetTarget() const
{
    CString strTarget = m_strURL;
    if (strTarget.IsEmpty())
        GetWindowText(strTarget);
    return m_strPrefix + strTarget;
}

void CTavoPURLLinkButton::OnDraw(CDC* pDC, const CRect& rect, UINT /*uiState*/)
{
    CFont* pOldFont = pDC->SelectObject(&GetGlobalData().fontUnderline);
    pDC->SetTextColor(m_bHover ? m_clrHover : m_clrRegular);
    pDC->SetBkMode(TRANSPARENT);
    CString strText;
    GetWindowText(strText);
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

void CTavoPURLLinkButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    pDC->DrawFocusRect(rectClient);
}

void CTavoPURLLinkButton::OnClicked()
{
    if (!IsWindowEnabled())
        return;
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    AfxShellExecute(nullptr, nullptr, GetTarget(), nullptr, nullptr, SW_HIDE);
    ::SetCursor(hOldCursor);
    m_bHover = FALSE;
    Invalidate();
    UpdateWindow();
}

BOOL CTavoPURLLinkButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN))
        return TRUE;
    if (pMsg->message == WM_KEYUP)
    {
        if (pMsg->wParam == VK_SPACE)
            return TRUE;
        if (pMsg->wParam == VK_RETURN)
        {
            OnClicked();
            return TRUE;
        }
    }
    return CTavoPButton::PreTranslateMessage(pMsg);
}

CSize CTavoPURLLinkButton::SizeToText(BOOL bVCenter, BOOL bHCenter)
{
    if (m_sizeImage.cx != 0 || m_sizeImage.cy != 0)
        return SizeToContent(FALSE);

    CRect rectClient;
    GetClientRect(rectClient);
    CDC* pDC = GetDC();
    CFont* pOldFont = pDC->SelectObject(&GetGlobalData().fontUnderline);
    CString strText;
    GetWindowText(strText);
    CRect rectText = rectClient;
    pDC->DrawText(strText, rectText, DT_CALCRECT | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);
    rectText.InflateRect(3, 3);
    const CSize size(rectText.Width(), rectText.Height());

    if (!bVCenter && !bHCenter)
    {
        SetWindowPos(nullptr, -1, -1, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return size;
    }
    CRect rectInParent = rectClient;
    MapWindowPoints(GetParent(), rectInParent);
    int x = rectInParent.left;
    int y = rectInParent.top;
    if (bHCenter)
        x += (rectClient.Width() - size.cx) / 2;
    if (bVCenter)
        y += (rectClient.Height() - size.cy) / 2;
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}
