#include "ui/controls/CTavoPEditableList.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPEditableList, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_WM_SETFOCUS()
    ON_WM_ENABLE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPEditableList, CWnd)

static const UINT kListId = 1;
// Caption buttons get control ids from here on, clear of the list's.
static const UINT kFirstButtonId = 100;

CTavoPEditableList::CTavoPEditableList()
    : m_nButtonWidth(20), m_nButtonHeight(20), m_rectCaption(0, 0, 0, 0), m_bKeepButtonsLook(FALSE),
      m_dwListStyle(kStyleNewOnDoubleClick), m_iNewItem(-1)
{}

CTavoPEditableList::~CTavoPEditableList()
{
    for (CaptionButton& button : m_Buttons)
        delete button.pButton;
}

BOOL CTavoPEditableList::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect,
                                CWnd* pParentWnd, UINT nID, DWORD dwListStyle)
{
    m_dwListStyle = dwListStyle;
    return CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)),
                        lpszCaption, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

int CTavoPEditableList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                              LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_EDITLABELS,
                          CRect(0, 0, 0, 0), this, kListId))
        return -1;
    m_wndList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_wndList.InsertColumn(0, _T(""));
    RecalcLayout();
    return 0;
}

void CTavoPEditableList::OnDestroy()
{
    for (CaptionButton& button : m_Buttons)
        if (button.pButton->GetSafeHwnd() != nullptr)
            button.pButton->DestroyWindow();
    CWnd::OnDestroy();
}

BOOL CTavoPEditableList::AddButton(UINT uiCmd, int iGlyph, LPCTSTR lpszText, DWORD dwAccelerator)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    CTavoPButton* pButton = new CTavoPButton;
    const UINT nID = kFirstButtonId + (UINT)m_Buttons.size();
    if (!pButton->Create(lpszText != nullptr ? lpszText : _T(""),
                         WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this, nID))
    {
        delete pButton;
        return FALSE;
    }
    if (iGlyph >= 0)
        pButton->SetStdImage(iGlyph);
    pButton->SetBorderStyle(CTavoPButton::BUTTONSTYLE_SEMIFLAT);
    pButton->SetDrawFocus(FALSE);
    pButton->SetFont(GetCaptionFont(), FALSE);
    m_Buttons.push_back({pButton, uiCmd, dwAccelerator});
    RecalcLayout();
    return TRUE;
}

BOOL CTavoPEditableList::AddStandardButtons()
{
    // Buttons line up from the right edge, so the last one added sits leftmost.
    return AddButton(ID_MOVE_DOWN, 0, nullptr, MakeAccelerator(VK_DOWN, FALT)) &&
           AddButton(ID_MOVE_UP, 7, nullptr, MakeAccelerator(VK_UP, FALT)) &&
           AddButton(ID_DELETE, 5, nullptr, MakeAccelerator(VK_DELETE)) &&
           AddButton(ID_NEW, -1, _T("+"), MakeAccelerator(VK_INSERT));
}

CTavoPButton* CTavoPEditableList::GetButton(UINT uiCmd) const
{
    for (const CaptionButton& button : m_Buttons)
        if (button.uiCmd == uiCmd)
            return button.pButton;
    return nullptr;
}

CFont* CTavoPEditableList::GetCaptionFont() const
{
    if (m_font.m_hObject != nullptr)
        return const_cast<CFont*>(&m_font);
    CWnd* pParent = GetParent();
    return pParent != nullptr ? pParent->GetFont() : nullptr;
}

void CTavoPEditableList::RecalcLayout()
{
    if (m_wndList.GetSafeHwnd() == nullptr)
        return;

    CRect rectClient;
    GetClientRect(rectClient);

    int cyText = 0;
    {
        CClientDC dc(this);
        CFont* pFont = GetCaptionFont();
        CFont* pOld = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        cyText = tm.tmHeight;
        if (pOld != nullptr)
            dc.SelectObject(pOld);
    }

    m_rectCaption = rectClient;
    m_rectCaption.bottom = rectClient.top + std::max(m_nButtonHeight, cyText * 4 / 3);

    int x = rectClient.right - 1;
    for (CaptionButton& button : m_Buttons)
    {
        x -= m_nButtonWidth;
        button.pButton->SetWindowPos(nullptr, x, m_rectCaption.top + 1, m_nButtonWidth,
                                     m_rectCaption.Height() - 2, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CRect rectList = rectClient;
    rectList.top = m_rectCaption.bottom;
    m_wndList.SetWindowPos(nullptr, rectList.left, rectList.top, rectList.Width(),
                           std::max(0, (int)rectList.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectInside;
    m_wndList.GetClientRect(rectInside);
    m_wndList.SetColumnWidth(0, rectInside.Width());
}

void CTavoPEditableList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CTavoPEditableList::OnPaint()
{
    CPaintDC dc(this);
    CTavoPGlobalData& data = GetGlobalData();
    dc.FillRect(m_rectCaption, &data.brBtnFace);
    dc.Draw3dRect(m_rectCaption, data.clrBtnHilite, data.clrBtnShadow);

    CString strCaption;
    GetWindowText(strCaption);
    CRect rectText = m_rectCaption;
    rectText.DeflateRect(5, 0);
    CFont* pFont = GetCaptionFont();
    CFont* pOld = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsWindowEnabled() ? data.clrBtnText : data.clrGrayedText);
    dc.DrawText(strCaption, rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
}

LRESULT CTavoPEditableList::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_font.DeleteObject();
    LOGFONT lf = {};
    if (wParam != 0 && ::GetObject((HFONT)wParam, sizeof(lf), &lf) != 0)
        m_font.CreateFontIndirect(&lf);
    for (CaptionButton& button : m_Buttons)
        button.pButton->SetFont(GetCaptionFont(), FALSE);
    RecalcLayout();
    if (lParam != 0)
        Invalidate();
    return 0;
}

LRESULT CTavoPEditableList::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_font.m_hObject;
}

void CTavoPEditableList::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_wndList.GetSafeHwnd() != nullptr)
        m_wndList.SetFocus();
}

void CTavoPEditableList::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    for (CaptionButton& button : m_Buttons)
    {
        button.pButton->SetGrayDisabled(!m_bKeepButtonsLook);
        button.pButton->EnableWindow(bEnable);
    }
    m_wndList.EnableWindow(bEnable);
    Invalidate();
}

void CTavoPEditableList::EnableButtons(BOOL bEnable)
{
    for (CaptionButton& button : m_Buttons)
        button.pButton->EnableWindow(bEnable);
}

// ---- items ----

int CTavoPEditableList::GetCount() const
{
    return m_wndList.GetItemCount();
}

int CTavoPEditableList::AddItem(LPCTSTR lpszName, DWORD_PTR dwData, int iIndex)
{
    if (iIndex < 0 || iIndex > GetCount())
        iIndex = GetCount();
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = iIndex;
    item.pszText = const_cast<LPTSTR>(lpszName);
    item.lParam = (LPARAM)dwData;
    item.iImage = I_IMAGECALLBACK;
    const int iItem = m_wndList.InsertItem(&item);
    if (iItem >= 0)
        OnAfterAddItem(iItem);
    return iItem;
}

BOOL CTavoPEditableList::RemoveItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount() || !OnBeforeRemoveItem(iIndex))
        return FALSE;
    const BOOL bWasSelected = iIndex == GetSelItem();
    if (!m_wndList.DeleteItem(iIndex))
        return FALSE;
    if (m_iNewItem == iIndex)
        m_iNewItem = -1;
    // The neighbour takes the selection, so Delete can be pressed again.
    if (bWasSelected && GetCount() > 0)
        SelectItem(std::min(iIndex, GetCount() - 1));
    return TRUE;
}

BOOL CTavoPEditableList::SetItemName(int iIndex, LPCTSTR lpszName)
{
    if (iIndex < 0 || iIndex >= GetCount() || !m_wndList.SetItemText(iIndex, 0, lpszName))
        return FALSE;
    OnAfterRenameItem(iIndex);
    return TRUE;
}

BOOL CTavoPEditableList::MoveItem(int iFrom, int iTo)
{
    const int nCount = GetCount();
    if (iFrom < 0 || iFrom >= nCount || iTo < 0 || iTo >= nCount)
        return FALSE;
    if (iFrom == iTo)
        return TRUE;
    const BOOL bSelected = iFrom == GetSelItem();
    const CString strName = GetItemName(iFrom);
    const DWORD_PTR dwData = GetItemData(iFrom);
    // Removed and inserted directly: the item only moves, it is neither deleted nor created.
    m_wndList.DeleteItem(iFrom);
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = iTo;
    item.pszText = const_cast<LPTSTR>((LPCTSTR)strName);
    item.lParam = (LPARAM)dwData;
    item.iImage = I_IMAGECALLBACK;
    const int iItem = m_wndList.InsertItem(&item);
    if (iItem < 0)
        return FALSE;
    if (bSelected)
        SelectItem(iItem);
    OnAfterMoveItem(iItem);
    return TRUE;
}

CString CTavoPEditableList::GetItemName(int iIndex) const
{
    return m_wndList.GetItemText(iIndex, 0);
}

DWORD_PTR CTavoPEditableList::GetItemData(int iIndex) const
{
    return m_wndList.GetItemData(iIndex);
}

int CTavoPEditableList::GetSelItem() const
{
    return m_wndList.GetNextItem(-1, LVNI_SELECTED);
}

void CTavoPEditableList::SelectItem(int iIndex)
{
    if (iIndex < 0)
    {
        const int iSel = GetSelItem();
        if (iSel >= 0)
            m_wndList.SetItemState(iSel, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    m_wndList.SetItemState(iIndex, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndList.EnsureVisible(iIndex, FALSE);
}

BOOL CTavoPEditableList::EditItem(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount())
        return FALSE;
    m_wndList.SetFocus();
    EnableButtons(FALSE);
    if (m_wndList.SendMessage(LVM_EDITLABEL, (WPARAM)iIndex) == 0)
    {
        EnableButtons(TRUE);
        return FALSE;
    }
    return TRUE;
}

// ---- what users may change ----

void CTavoPEditableList::CreateNewItem()
{
    AddNewItem(0);
}

BOOL CTavoPEditableList::AddNewItem(DWORD_PTR dwData)
{
    const int iItem = AddItem(_T(""), dwData);
    if (iItem < 0)
        return FALSE;
    SelectItem(iItem);
    m_iNewItem = iItem;
    if (!EditItem(iItem))
    {
        // An item without a name is no item.
        m_iNewItem = -1;
        RemoveItem(iItem);
    }
    return TRUE;
}

void CTavoPEditableList::OnEndEditName(int iItem, LPCTSTR lpszName)
{
    const BOOL bNew = iItem == m_iNewItem;
    m_iNewItem = -1;
    if (lpszName != nullptr && *lpszName != 0)
        SetItemName(iItem, lpszName);
    else if (bNew)
        RemoveItem(iItem);
}

void CTavoPEditableList::OnClickButton(UINT uiCmd)
{
    const int iSel = GetSelItem();
    switch (uiCmd)
    {
    case ID_NEW: CreateNewItem(); break;
    case ID_DELETE: RemoveItem(iSel); break;
    case ID_MOVE_UP:
        if (iSel > 0)
            MoveItem(iSel, iSel - 1);
        break;
    case ID_MOVE_DOWN:
        if (iSel >= 0 && iSel + 1 < GetCount())
            MoveItem(iSel, iSel + 1);
        break;
    default: break;
    }
}

// ---- notifications ----

BOOL CTavoPEditableList::PressButtonOfKey(UINT nKey)
{
    BYTE fModifiers = 0;
    if (::GetKeyState(VK_SHIFT) & 0x8000)
        fModifiers |= FSHIFT;
    if (::GetKeyState(VK_CONTROL) & 0x8000)
        fModifiers |= FCONTROL;
    if (::GetKeyState(VK_MENU) & 0x8000)
        fModifiers |= FALT;
    const DWORD dwPressed = MakeAccelerator((WORD)nKey, fModifiers);
    for (const CaptionButton& button : m_Buttons)
        if (button.dwAccelerator == dwPressed && button.pButton->IsWindowEnabled())
        {
            SendMessage(WM_COMMAND, MAKEWPARAM(button.pButton->GetDlgCtrlID(), BN_CLICKED),
                        (LPARAM)button.pButton->m_hWnd);
            return TRUE;
        }
    return FALSE;
}

BOOL CTavoPEditableList::PreTranslateMessage(MSG* pMsg)
{
    // A key of a caption button must not also move the list's own selection, and Alt
    // combinations reach the list as system keys it never reports: both are taken here first.
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
        pMsg->hwnd == m_wndList.GetSafeHwnd() && PressButtonOfKey((UINT)pMsg->wParam))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CTavoPEditableList::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && nID >= kFirstButtonId &&
        nID < kFirstButtonId + m_Buttons.size())
    {
        OnClickButton(m_Buttons[nID - kFirstButtonId].uiCmd);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CTavoPEditableList::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_wndList.GetSafeHwnd())
        return CWnd::OnNotify(wParam, lParam, pResult);

    *pResult = 0;
    switch (pNMHDR->code)
    {
    case LVN_KEYDOWN:
    {
        const UINT nKey = ((NMLVKEYDOWN*)lParam)->wVKey;
        if (!PressButtonOfKey(nKey))
            OnKey(nKey);
        return TRUE;
    }
    case NM_DBLCLK:
    {
        const int iItem = ((NMITEMACTIVATE*)lParam)->iItem;
        if (iItem >= 0)
            EditItem(iItem);
        else if (m_dwListStyle & kStyleNewOnDoubleClick)
            CreateNewItem();
        return TRUE;
    }
    case LVN_GETDISPINFO:
    {
        NMLVDISPINFO* pInfo = (NMLVDISPINFO*)lParam;
        if (pInfo->item.mask & LVIF_IMAGE)
            pInfo->item.iImage = OnGetItemImage(pInfo->item.iItem);
        return TRUE;
    }
    case LVN_ENDLABELEDIT:
    {
        NMLVDISPINFO* pInfo = (NMLVDISPINFO*)lParam;
        OnEndEditName(pInfo->item.iItem, pInfo->item.pszText);
        EnableButtons(TRUE);
        return TRUE;
    }
    case LVN_ITEMCHANGED:
    {
        NMLISTVIEW* pInfo = (NMLISTVIEW*)lParam;
        if ((pInfo->uChanged & LVIF_STATE) != 0 &&
            ((pInfo->uOldState ^ pInfo->uNewState) & LVIS_SELECTED) != 0)
            OnSelectionChanged();
        return TRUE;
    }
    default: break;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
