#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarComboEditCtrl.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CTavoPToolbarComboBoxButton, CTavoPToolbarButton, 1)

namespace {
const DWORD kDefaultComboStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_NOINTEGRALHEIGHT | CBS_DROPDOWNLIST;
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_AUTOHSCROLL;
const int kDefaultWidth = 150;
const int kDefaultDropDownHeight = 150;

BOOL IsDropDown(DWORD dwStyle)
{
    return (dwStyle & 3) == CBS_DROPDOWN;
}
} // namespace

CTavoPToolbarComboBoxButton::CTavoPToolbarComboBoxButton()
    : m_dwStyle(kDefaultComboStyle), m_pWndCombo(NULL), m_pWndEdit(NULL), m_lstItems(10),
      m_lstItemData(10), m_iWidth(kDefaultWidth), m_iSelIndex(-1), m_bHorzLayout(TRUE),
      m_nDropDownHeight(kDefaultDropDownHeight), m_bHot(FALSE), m_bChangingText(FALSE)
{
    m_rectCombo.SetRectEmpty();
    m_rectButton.SetRectEmpty();
}

CTavoPToolbarComboBoxButton::CTavoPToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle,
                                                         int iWidth)
    : CTavoPToolbarButton(uiID, iImage),
      m_dwStyle(dwStyle | WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_NOINTEGRALHEIGHT),
      m_pWndCombo(NULL), m_pWndEdit(NULL), m_lstItems(10), m_lstItemData(10),
      m_iWidth(iWidth == 0 ? kDefaultWidth : iWidth), m_iSelIndex(-1), m_bHorzLayout(TRUE),
      m_nDropDownHeight(kDefaultDropDownHeight), m_bHot(FALSE), m_bChangingText(FALSE)
{
    m_rectCombo.SetRectEmpty();
    m_rectButton.SetRectEmpty();
}

CTavoPToolbarComboBoxButton::~CTavoPToolbarComboBoxButton()
{
    DestroyWindows();
}

void CTavoPToolbarComboBoxButton::DestroyWindows()
{
    if (m_pWndCombo != NULL)
    {
        m_pWndCombo->DestroyWindow();
        delete m_pWndCombo;
        m_pWndCombo = NULL;
    }
    if (m_pWndEdit != NULL)
    {
        m_pWndEdit->DestroyWindow();
        delete m_pWndEdit;
        m_pWndEdit = NULL;
    }
    m_bHot = FALSE;
}

CEdit* CTavoPToolbarComboBoxButton::GetEditCtrl() const
{
    return m_pWndEdit;
}

// ---- the item lists ----

int CTavoPToolbarComboBoxButton::AddItem(LPCTSTR lpszItem, DWORD dwData)
{
    m_lstItems.AddTail(lpszItem);
    m_lstItemData.AddTail(dwData);
    if (m_pWndCombo != NULL)
    {
        const int iIndex = m_pWndCombo->AddString(lpszItem);
        if (iIndex >= 0)
            m_pWndCombo->SetItemData(iIndex, dwData);
    }
    return GetCount() - 1;
}

CString CTavoPToolbarComboBoxButton::GetItem(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return CString();
    return m_lstItems.GetAt(m_lstItems.FindIndex(iIndex));
}

DWORD CTavoPToolbarComboBoxButton::GetItemData(int iIndex) const
{
    if (iIndex < 0 || iIndex >= (int)m_lstItemData.GetCount())
        return 0;
    return m_lstItemData.GetAt(m_lstItemData.FindIndex(iIndex));
}

void CTavoPToolbarComboBoxButton::RebuildFromCombo()
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL)
        return;
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    const int nCount = m_pWndCombo->GetCount();
    for (int i = 0; i < nCount; i++)
    {
        CString str;
        m_pWndCombo->GetLBText(i, str);
        m_lstItems.AddTail(str);
        m_lstItemData.AddTail((DWORD)m_pWndCombo->GetItemData(i));
    }
    OnItemStringsRebuilt();
    OnItemDataRebuilt();
    m_iSelIndex = m_pWndCombo->GetCurSel();
}

void CTavoPToolbarComboBoxButton::FillCombo()
{
    m_pWndCombo->ResetContent();
    POSITION posData = m_lstItemData.GetHeadPosition();
    for (POSITION pos = m_lstItems.GetHeadPosition(); pos != NULL;)
    {
        const int iIndex = m_pWndCombo->AddString(m_lstItems.GetNext(pos));
        const DWORD dwData = posData != NULL ? m_lstItemData.GetNext(posData) : 0;
        if (iIndex >= 0)
            m_pWndCombo->SetItemData(iIndex, dwData);
    }
    if (m_iSelIndex != -1)
        m_pWndCombo->SetCurSel(m_iSelIndex);
}

void CTavoPToolbarComboBoxButton::SetEditWindowText(const CString& str)
{
    if (m_pWndEdit == NULL)
        return;
    CString strShown;
    m_pWndEdit->GetWindowText(strShown);
    if (strShown == str)
        return;
    m_bChangingText = TRUE;
    m_pWndEdit->SetWindowText(str);
    m_bChangingText = FALSE;
}

BOOL CTavoPToolbarComboBoxButton::SelectItem(int iIndex, BOOL bNotify)
{
    if (iIndex < 0 || iIndex >= GetCount())
        return FALSE;
    m_iSelIndex = iIndex;
    if (m_pWndCombo == NULL)
        return TRUE;
    m_strEdit = GetItem(iIndex);
    SetEditWindowText(m_strEdit);
    if (m_pWndCombo->GetCurSel() == iIndex)
        return TRUE;
    if (m_pWndCombo->SetCurSel(iIndex) == CB_ERR)
        return FALSE;
    if (bNotify)
        NotifyCommand(CBN_SELENDOK);
    return TRUE;
}

// ---- archive and copies ----

void CTavoPToolbarComboBoxButton::Serialize(CArchive& ar)
{
    CTavoPToolbarButton::Serialize(ar);
    if (ar.IsStoring())
    {
        RebuildFromCombo();
        if (m_pWndEdit != NULL)
            m_pWndEdit->GetWindowText(m_strEdit);
        ar << (int)m_iWidth << (DWORD)m_dwStyle << (int)m_iSelIndex << m_strEdit
           << (int)m_nDropDownHeight;
        ar.WriteCount((DWORD)m_lstItems.GetCount());
        for (POSITION pos = m_lstItems.GetHeadPosition(); pos != NULL;)
            ar << m_lstItems.GetNext(pos);
        POSITION posData = m_lstItemData.GetHeadPosition();
        for (INT_PTR i = 0; i < m_lstItems.GetCount(); i++)
            ar << (DWORD)(posData != NULL ? m_lstItemData.GetNext(posData) : 0);
        return;
    }

    // Everything is read before the button changes, so that a broken archive leaves it whole.
    int iWidth = 0;
    DWORD dwStyle = 0;
    int iSelIndex = -1;
    CString strEdit;
    int nDropDownHeight = 0;
    ar >> iWidth >> dwStyle >> iSelIndex >> strEdit >> nDropDownHeight;
    // Each string is read before the next one is counted, so a hostile count ends at the data's end.
    const DWORD dwCount = ar.ReadCount();
    CStringList lstItems(10);
    for (DWORD i = 0; i < dwCount; i++)
    {
        CString str;
        ar >> str;
        lstItems.AddTail(str);
    }
    CList<DWORD, DWORD> lstData(10);
    for (DWORD i = 0; i < dwCount; i++)
    {
        DWORD dwData = 0;
        ar >> dwData;
        lstData.AddTail(dwData);
    }

    m_iWidth = iWidth;
    m_dwStyle = dwStyle;
    m_strEdit = strEdit;
    m_nDropDownHeight = nDropDownHeight;
    m_rect.right = m_rect.left + m_iWidth;
    m_lstItems.RemoveAll();
    m_lstItems.AddTail(&lstItems);
    OnItemStringsRebuilt();
    m_lstItemData.RemoveAll();
    m_lstItemData.AddTail(&lstData);
    OnItemDataRebuilt();

    // A selection that names no item means none.
    m_iSelIndex = -1;
    if (m_pWndCombo != NULL)
        FillCombo();
    if (!SelectItem(iSelIndex, FALSE) && (m_dwStyle & 3) == CBS_DROPDOWNLIST)
        m_strEdit.Empty();
    SetEditWindowText(m_strEdit);
}

void CTavoPToolbarComboBoxButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarButton::CopyFrom(src);
    const CTavoPToolbarComboBoxButton* pSrc =
        DYNAMIC_DOWNCAST(CTavoPToolbarComboBoxButton, const_cast<CTavoPToolbarButton*>(&src));
    if (pSrc == NULL || pSrc == this)
        return;
    const_cast<CTavoPToolbarComboBoxButton*>(pSrc)->RebuildFromCombo();
    m_lstItems.RemoveAll();
    m_lstItems.AddTail(const_cast<CStringList*>(&pSrc->m_lstItems));
    OnItemStringsRebuilt();
    m_lstItemData.RemoveAll();
    m_lstItemData.AddTail(const_cast<CList<DWORD, DWORD>*>(&pSrc->m_lstItemData));
    OnItemDataRebuilt();
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    m_iSelIndex = pSrc->m_iSelIndex;
    m_nDropDownHeight = pSrc->m_nDropDownHeight;
    m_strEdit = pSrc->m_strEdit;
    if (m_pWndCombo != NULL)
    {
        FillCombo();
        SetEditWindowText(m_strEdit);
    }
}

void CTavoPToolbarComboBoxButton::OnAddToCustomizePage()
{
    CObList listButtons;
    if (CTavoPToolBar::GetCommandButtons(m_nID, listButtons) > 0 && listButtons.GetHead() != this)
        CopyFrom(*(CTavoPToolbarButton*)listButtons.GetHead());
}

BOOL CTavoPToolbarComboBoxButton::ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const
{
    CString strMessage;
    if (m_nID != 0 && strMessage.LoadString(m_nID))
    {
        const int nNewLine = strMessage.Find(_T('\n'));
        if (nNewLine >= 0)
            menuButton.m_strText = strMessage.Mid(nNewLine + 1);
    }
    return TRUE;
}

// ---- the windows ----

CComboBox* CTavoPToolbarComboBoxButton::CreateCombo(CWnd* pWndParent, const CRect& rect)
{
    CComboBox* pCombo = new CComboBox;
    // A stored style is hostile input: the list must stay a child of its bar.
    const DWORD dwStyle = (m_dwStyle & ~WS_POPUP) | WS_CHILD;
    if (!pCombo->Create(dwStyle, rect, pWndParent, m_nID))
    {
        delete pCombo;
        return NULL;
    }
    return pCombo;
}

BOOL CTavoPToolbarComboBoxButton::IsDisabledNow() const
{
    return CTavoPToolBar::IsCustomizeMode() ? !CanBeCustomized() : (m_nStyle & TBBS_DISABLED) != 0;
}

void CTavoPToolbarComboBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndCombo != NULL)
    {
        if (pWndParent != NULL && m_pWndCombo->GetParent() == pWndParent)
            return;
        RebuildFromCombo();
        if (m_pWndEdit != NULL)
            m_pWndEdit->GetWindowText(m_strEdit);
    }
    DestroyWindows();
    if (pWndParent == NULL || pWndParent->GetSafeHwnd() == NULL)
        return;

    const BOOL bDisabled = CTavoPToolBar::IsCustomizeMode() || (m_nStyle & TBBS_DISABLED) != 0;
    CRect rect = m_rect;
    rect.DeflateRect(2, 0);
    rect.bottom = rect.top + m_nDropDownHeight;
    m_pWndCombo = CreateCombo(pWndParent, rect);
    if (m_pWndCombo == NULL)
        return;
    m_pWndCombo->EnableWindow(!bDisabled);
    m_pWndCombo->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    if (IsDropDown(m_dwStyle))
    {
        CTavoPToolbarComboEditCtrl* pEdit = new CTavoPToolbarComboEditCtrl(*this);
        const DWORD dwEditStyle = kEditStyle | (m_dwStyle & WS_TABSTOP);
        if (!pEdit->Create(dwEditStyle, rect, pWndParent, m_nID))
            delete pEdit;
        else
        {
            m_pWndEdit = pEdit;
            m_pWndEdit->SetFont(&GetGlobalData().fontRegular);
            CWnd* pOwner = pWndParent->GetOwner();
            m_pWndEdit->SetOwner(pOwner != NULL ? pOwner : pWndParent->GetParent());
            m_pWndEdit->EnableWindow(!bDisabled);
            m_pWndEdit->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    }

    AdjustRect();
    m_pWndCombo->SetFont(&GetGlobalData().fontRegular);

    if (m_pWndCombo->GetCount() <= 0)
        FillCombo();
    else
        RebuildFromCombo();

    if (m_iSelIndex >= 0 && m_iSelIndex < GetCount())
    {
        m_strEdit = GetItem(m_iSelIndex);
        m_pWndCombo->SetWindowText(m_strEdit);
    }
    SetEditWindowText(m_strEdit);
}

void CTavoPToolbarComboBoxButton::AdjustRect()
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL || m_rect.IsRectEmpty())
    {
        m_rectCombo.SetRectEmpty();
        m_rectButton.SetRectEmpty();
        return;
    }
    m_pWndCombo->SetWindowPos(NULL, m_rect.left + 1, m_rect.top, m_rect.Width() - 2,
                              m_nDropDownHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndCombo->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));

    m_pWndCombo->GetWindowRect(m_rectCombo);
    m_pWndCombo->GetParent()->ScreenToClient(m_rectCombo);

    m_rectButton = m_rectCombo;
    m_rectButton.left = m_rectButton.right - 2 * CTavoPMenuGlyphImages::Size().cx;
    m_rectButton.DeflateRect(2, 2);

    m_rect.left = m_rectCombo.left - 1;
    m_rect.right = m_rectCombo.right + 1;
    if (!(m_bTextBelow && !m_strText.IsEmpty()))
    {
        m_rect.top = m_rectCombo.top;
        m_rect.bottom = m_rectCombo.bottom;
    }

    if (m_pWndEdit != NULL)
        m_pWndEdit->SetWindowPos(NULL, m_rectCombo.left + 3, m_rect.top + 3,
                                 m_rect.Width() - m_rectButton.Width() - 8,
                                 m_rectCombo.Height() - 6, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPToolbarComboBoxButton::OnMove()
{
    if (m_pWndCombo != NULL && m_pWndCombo->GetSafeHwnd() != NULL)
        AdjustRect();
}

void CTavoPToolbarComboBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    OnMove();
}

HWND CTavoPToolbarComboBoxButton::GetHwnd()
{
    return m_pWndCombo != NULL ? m_pWndCombo->GetSafeHwnd() : NULL;
}

void CTavoPToolbarComboBoxButton::OnShow(BOOL bShow)
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL)
        return;
    if (bShow && m_bHorzLayout)
    {
        OnMove();
        m_pWndCombo->ShowWindow(SW_HIDE);
        if (m_pWndEdit != NULL)
            m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
    }
    else
    {
        m_pWndCombo->ShowWindow(SW_HIDE);
        if (m_pWndEdit != NULL)
            m_pWndEdit->ShowWindow(SW_HIDE);
    }
}

void CTavoPToolbarComboBoxButton::SetStyle(UINT nStyle)
{
    m_nStyle = nStyle;
    const BOOL bDisabled = IsDisabledNow();
    CWnd* windows[] = {m_pWndCombo, m_pWndEdit};
    for (CWnd* pWnd : windows)
        if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        {
            pWnd->EnableWindow(!bDisabled);
            pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
}

BOOL CTavoPToolbarComboBoxButton::EnableWindow(BOOL bEnable)
{
    BOOL bResult = FALSE;
    if (m_pWndCombo != NULL && m_pWndCombo->GetSafeHwnd() != NULL)
        bResult = m_pWndCombo->EnableWindow(bEnable);
    if (m_pWndEdit != NULL && m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->EnableWindow(bEnable);
    return bResult;
}

BOOL CTavoPToolbarComboBoxButton::IsControlVisible() const
{
    CWnd* windows[] = {m_pWndCombo, m_pWndEdit};
    for (CWnd* pWnd : windows)
        if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL && (pWnd->GetStyle() & WS_VISIBLE) != 0)
            return TRUE;
    return FALSE;
}

BOOL CTavoPToolbarComboBoxButton::IsOwnerOf(HWND hwnd)
{
    if (hwnd == NULL)
        return FALSE;
    CWnd* windows[] = {m_pWndCombo, m_pWndEdit};
    for (CWnd* pWnd : windows)
    {
        HWND hwndOwn = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
        if (hwndOwn != NULL && (hwnd == hwndOwn || ::IsChild(hwndOwn, hwnd)))
            return TRUE;
    }
    return FALSE;
}

BOOL CTavoPToolbarComboBoxButton::HasFocus() const
{
    if (m_pWndCombo != NULL && m_pWndCombo->GetSafeHwnd() != NULL && m_pWndCombo->GetDroppedState())
        return TRUE;
    return const_cast<CTavoPToolbarComboBoxButton*>(this)->IsOwnerOf(::GetFocus());
}

void CTavoPToolbarComboBoxButton::SetHot(BOOL bHot)
{
    if (m_bHot == bHot)
        return;
    m_bHot = bHot;
    CWnd* pParent = m_pWndCombo != NULL ? m_pWndCombo->GetParent() : NULL;
    if (pParent != NULL && pParent->GetSafeHwnd() != NULL)
    {
        pParent->InvalidateRect(m_rect, TRUE);
        pParent->UpdateWindow();
    }
}

// ---- notifications ----

BOOL CTavoPToolbarComboBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL)
        return FALSE;
    if (iNotifyCode == 0)
        return TRUE;

    CWnd* pParent = m_pWndCombo->GetParent();
    if (pParent != NULL)
    {
        pParent->InvalidateRect(m_rect, TRUE);
        pParent->UpdateWindow();
    }

    CObList listButtons;
    switch (iNotifyCode)
    {
    case CBN_SELCHANGE:
        if (m_pWndEdit != NULL)
        {
            const int iSel = m_pWndCombo->GetCurSel();
            if (iSel >= 0)
            {
                CString str;
                m_pWndCombo->GetLBText(iSel, str);
                SetEditWindowText(str);
            }
        }
        return TRUE;

    case CBN_SETFOCUS:
        if (m_pWndEdit != NULL)
            m_pWndEdit->SetFocus();
        return TRUE;

    case CBN_KILLFOCUS:
    case CBN_EDITUPDATE: return TRUE;

    case CBN_EDITCHANGE:
    case EN_CHANGE: // typing in the button's own edit field
        if (m_bChangingText)
            return FALSE;
        if (m_pWndEdit != NULL)
            m_pWndEdit->GetWindowText(m_strEdit);
        else
            m_pWndCombo->GetWindowText(m_strEdit);
        CTavoPToolBar::GetCommandButtons(m_nID, listButtons);
        for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarComboBoxButton* pOther =
                DYNAMIC_DOWNCAST(CTavoPToolbarComboBoxButton, listButtons.GetNext(pos));
            if (pOther == NULL || pOther == this)
                continue;
            pOther->m_strEdit = m_strEdit;
            if (pOther->m_pWndCombo != NULL)
                pOther->m_pWndCombo->SetWindowText(m_strEdit);
            pOther->SetEditWindowText(m_strEdit);
        }
        return TRUE;

    case CBN_SELENDOK:
    {
        const int iSel = m_pWndCombo->GetCurSel();
        if (iSel < 0)
            return FALSE;
        m_iSelIndex = iSel;
        m_strEdit = GetItem(iSel);
        SetEditWindowText(m_strEdit);
        CTavoPToolBar::GetCommandButtons(m_nID, listButtons);
        for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarComboBoxButton* pOther =
                DYNAMIC_DOWNCAST(CTavoPToolbarComboBoxButton, listButtons.GetNext(pos));
            if (pOther != NULL && pOther != this)
                pOther->SelectItem(iSel, FALSE);
        }
        if (m_pWndEdit != NULL)
            m_pWndEdit->SetFocus();
        return TRUE;
    }

    default: return FALSE;
    }
}

// ---- size, clicks and drawing ----

SIZE CTavoPToolbarComboBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_nTextWidth = 0;
    m_nTextHeight = 0;
    m_bHorzLayout = bHorz;
    if (m_pWndCombo != NULL && m_pWndCombo->GetSafeHwnd() != NULL &&
        (m_pWndCombo->GetStyle() & WS_VISIBLE) != 0)
        m_pWndCombo->ShowWindow(SW_HIDE);

    if (!bHorz)
    {
        if (m_pWndEdit != NULL && m_pWndEdit->GetSafeHwnd() != NULL)
            m_pWndEdit->ShowWindow(SW_HIDE);
        return CTavoPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }

    if (m_bTextBelow && !m_strText.IsEmpty() && pDC != NULL)
    {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_nTextWidth = rectText.Width();
        m_nTextHeight = rectText.Height();
    }
    int nHeight = sizeDefault.cy;
    if (m_pWndCombo != NULL && m_pWndCombo->GetSafeHwnd() != NULL)
    {
        CRect rectCombo;
        m_pWndCombo->GetWindowRect(rectCombo);
        nHeight = rectCombo.Height();
    }
    return CSize(m_iWidth, nHeight + m_nTextHeight);
}

BOOL CTavoPToolbarComboBoxButton::OnClick(CWnd* pWnd, BOOL /*bDelay*/)
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL || !m_bHorzLayout)
        return FALSE;
    if (m_pWndEdit != NULL)
        m_pWndEdit->SetFocus();
    else
        m_pWndCombo->SetFocus();
    m_pWndCombo->ShowDropDown(TRUE);
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pWnd->InvalidateRect(m_rect, TRUE);
    return TRUE;
}

HBRUSH CTavoPToolbarComboBoxButton::OnCtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return ::GetSysColorBrush(COLOR_WINDOW);
}

void CTavoPToolbarComboBoxButton::OnDraw(CDC* pDC, const CRect& rect,
                                         CTavoPToolbarImageList* pImages, BOOL bHorz,
                                         BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                         BOOL bGrayDisabledButtons)
{
    if (m_pWndCombo == NULL || m_pWndCombo->GetSafeHwnd() == NULL || !bHorz)
    {
        CTavoPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                    bDrawBorder, bGrayDisabledButtons);
        return;
    }

    const BOOL bDisabled = IsDisabledNow();
    const COLORREF clrText = GetLabelTextColor(bDisabled, bHighlight);
    bHighlight = bHighlight || m_bHot;
    const BOOL bDropped = m_pWndCombo->GetDroppedState();
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    pVisManager->OnDrawComboBorder(pDC, m_rectCombo, bDisabled, bDropped, bHighlight, this);

    CRect rectFill = m_rectCombo;
    rectFill.DeflateRect(2, 2);
    if (bDisabled)
    {
        pDC->FillSolidRect(rectFill, GetGlobalData().clrBtnFace);
        pDC->Draw3dRect(rectFill, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnHilite);
    }
    else
        pDC->FillSolidRect(rectFill, ::GetSysColor(COLOR_WINDOW));

    pVisManager->OnDrawComboDropButton(pDC, m_rectButton, bDisabled, bDropped, bHighlight, this);

    if (!m_strEdit.IsEmpty() && m_pWndEdit == NULL)
    {
        CRect rectText = rectFill;
        rectText.right = m_rectButton.left;
        rectText.DeflateRect(2, 2);
        if ((m_dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0)
        {
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_COMBOBOX;
            dis.CtlID = m_nID;
            dis.itemID = (UINT)m_pWndCombo->GetCurSel();
            dis.hwndItem = m_pWndCombo->GetSafeHwnd();
            dis.hDC = pDC->GetSafeHdc();
            dis.rcItem = rectText;
            dis.itemData = (ULONG_PTR)m_pWndCombo->GetItemData((int)dis.itemID);
            m_pWndCombo->DrawItem(&dis);
        }
        else
        {
            const COLORREF clrOld = pDC->SetTextColor(clrText);
            const int nOldMode = pDC->SetBkMode(TRANSPARENT);
            pDC->DrawText(m_strEdit, rectText, DT_SINGLELINE | DT_VCENTER);
            pDC->SetBkMode(nOldMode);
            pDC->SetTextColor(clrOld);
        }
    }

    if (m_bTextBelow && !m_strText.IsEmpty())
    {
        CRect rectText = rect;
        rectText.top = (m_rectCombo.bottom + rect.bottom - m_nTextHeight) / 2;
        const COLORREF clrOld = pDC->SetTextColor(clrText);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }
}

int CTavoPToolbarComboBoxButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nContent = CTavoPToolbarButton::DrawInCommandList(pDC, rect, bSelected);
    const int nBoxWidth = rect.Width() - nContent > 19 ? rect.Width() - nContent : 20;
    CRect rectBox = rect;
    rectBox.left = rect.right - nBoxWidth;
    rectBox.DeflateRect(2, 3);
    pDC->FillSolidRect(rectBox, ::GetSysColor(COLOR_WINDOW));
    pDC->Draw3dRect(rectBox, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnHilite);
    CRect rectInner = rectBox;
    rectInner.DeflateRect(1, 1);
    pDC->Draw3dRect(rectInner, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnLight);

    CRect rectDrop = rectBox;
    rectDrop.left = rectDrop.right - rectBox.Height();
    rectDrop.DeflateRect(1, 1);
    pDC->FillSolidRect(rectDrop, GetGlobalData().clrBtnFace);
    pDC->Draw3dRect(rectDrop, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnDkShadow);
    CTavoPVisualManager::GetInstance()->OnDrawComboDropButton(pDC, rectDrop, FALSE, FALSE, FALSE,
                                                              NULL);
    return rect.Width();
}
