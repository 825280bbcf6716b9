#include "ui/controls/proplist/CTavoPPropList.h"
#include "ui/controls/proplist/CTavoPPropEditWnd.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include <string.h>

BEGIN_MESSAGE_MAP(CTavoPPropList, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_VSCROLL()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCPAINT()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(WM_TAVOP_ENDEDIT, OnEndEditRequest)
    ON_MESSAGE(WM_TAVOP_TAKEVALUE, OnTakeEditorValue)
END_MESSAGE_MAP()

namespace {

const UINT kHeaderId = 1;
const UINT kScrollBarId = 2;
const UINT_PTR kToolId = 1;
// The band between the rows and the description box that the user drags.
const int kDescrSplitter = 4;
// How near to a splitter a press catches it.
const int kSplitterSlack = 2;

int CountShown(const CTavoPProp* pProp)
{
    if (!pProp->IsVisible())
        return 0;
    int nCount = 1;
    if (pProp->IsExpanded())
        for (int i = 0; i < pProp->GetSubItemsCount(); i++)
            nCount += CountShown(pProp->GetSubItem(i));
    return nCount;
}

void AddShown(CTavoPProp* pProp, CObList& lstItems)
{
    if (!pProp->IsVisible())
        return;
    lstItems.AddTail(pProp);
    if (pProp->IsExpanded())
        for (int i = 0; i < pProp->GetSubItemsCount(); i++)
            AddShown(pProp->GetSubItem(i), lstItems);
}

} // namespace

CTavoPPropList::CTavoPPropList()
    : m_pSel(nullptr), m_bAlphabeticMode(FALSE), m_nLeftColumnWidth(0), m_nRowHeight(0),
      m_nHeaderHeight(0), m_nVertScrollOffset(0), m_nVisibleRows(0), m_nVertScrollTotal(0),
      m_rectList(0, 0, 0, 0), m_bDescriptionArea(FALSE), m_nDescrHeight(0), m_hFont(NULL),
      m_bTracking(FALSE), m_bTrackingDescr(FALSE), m_nTrackPos(-1), m_clrGray(0), m_bFocused(FALSE),
      m_bEndingEdit(FALSE), m_pTipProp(nullptr), m_nTipArea(-1)
{}

CTavoPPropList::~CTavoPPropList()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    RemoveAll();
}

BOOL CTavoPPropList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return CWnd::Create(lpszClass, _T(""), dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

// ---- items ----

int CTavoPPropList::AddProperty(CTavoPProp* pProp, BOOL bRedraw)
{
    if (pProp == nullptr || pProp->m_pParent != nullptr || pProp->m_pWndList != nullptr)
        return -1;
    pProp->SetOwnerList(this);
    m_lstProps.AddTail(pProp);
    if (GetSafeHwnd() != NULL)
    {
        ReposProperties();
        if (bRedraw)
            Invalidate();
    }
    return (int)m_lstProps.GetCount() - 1;
}

void CTavoPPropList::DeleteItems()
{
    EndEditItem(FALSE);
    m_pSel = nullptr;
    m_pTipProp = nullptr;
    m_lstTerminalProps.RemoveAll();
    if (!m_lstProps.IsEmpty())
        m_nDeletions++;
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != nullptr;)
        delete (CTavoPProp*)m_lstProps.GetNext(pos);
    m_lstProps.RemoveAll();
}

void CTavoPPropList::RemoveAll()
{
    DeleteItems();
    m_nVertScrollOffset = 0;
    if (GetSafeHwnd() != NULL)
    {
        ReposProperties();
        Invalidate();
    }
}

CTavoPProp* CTavoPPropList::GetProperty(int nIndex) const
{
    POSITION pos = m_lstProps.FindIndex(nIndex);
    return pos == nullptr ? nullptr : (CTavoPProp*)m_lstProps.GetAt(pos);
}

void CTavoPPropList::GetShownItems(CObList& lstItems) const
{
    const CObList& lstTop = m_bAlphabeticMode ? m_lstTerminalProps : m_lstProps;
    for (POSITION pos = lstTop.GetHeadPosition(); pos != nullptr;)
        AddShown((CTavoPProp*)lstTop.GetNext(pos), lstItems);
}

CTavoPProp* CTavoPPropList::HitTestRows(CPoint point, CTavoPProp::ClickArea* pnArea) const
{
    const CObList& lstTop = m_bAlphabeticMode ? m_lstTerminalProps : m_lstProps;
    for (POSITION pos = lstTop.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPProp* pHit = ((CTavoPProp*)lstTop.GetNext(pos))->HitTest(point, pnArea);
        if (pHit != nullptr)
            return pHit;
    }
    return nullptr;
}

CTavoPProp* CTavoPPropList::HitTest(CPoint point, CTavoPProp::ClickArea* pnArea) const
{
    if (!m_rectList.PtInRect(point))
        return nullptr;
    return HitTestRows(point, pnArea);
}

// ---- modes ----

void CTavoPPropList::SetAlphabeticMode(BOOL bSet)
{
    if (m_bAlphabeticMode == bSet)
        return;
    EndEditItem(TRUE);
    m_bAlphabeticMode = bSet;
    // Groups have no row in the sorted list.
    if (bSet && m_pSel != nullptr && m_pSel->IsGroup())
        m_pSel = nullptr;
    m_nVertScrollOffset = 0;
    if (GetSafeHwnd() != NULL)
    {
        ReposProperties();
        Invalidate();
    }
}

void CTavoPPropList::EnableDescriptionArea(BOOL bEnable)
{
    m_bDescriptionArea = bEnable;
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

void CTavoPPropList::ExpandAll(BOOL bExpand)
{
    EndEditItem(TRUE);
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != nullptr;)
        SetExpandedDeep((CTavoPProp*)m_lstProps.GetNext(pos), bExpand);
    // A selection inside a collapsed group moves up to the shown row above it.
    if (m_pSel != nullptr)
    {
        CTavoPProp* pShown = m_pSel;
        for (CTavoPProp* p = m_pSel->m_pParent; p != nullptr; p = p->m_pParent)
            if (!p->m_bExpanded)
                pShown = p;
        m_pSel = pShown;
    }
    if (GetSafeHwnd() != NULL)
    {
        ReposProperties();
        Invalidate();
    }
}

void CTavoPPropList::SetExpandedDeep(CTavoPProp* pProp, BOOL bExpand)
{
    if (pProp->HasExpandBox())
        pProp->m_bExpanded = bExpand;
    for (int i = 0; i < pProp->GetSubItemsCount(); i++)
        SetExpandedDeep(pProp->GetSubItem(i), bExpand);
}

// ---- selection and editing ----

void CTavoPPropList::SetCurSel(CTavoPProp* pProp, BOOL bRedraw)
{
    if (pProp == m_pSel)
        return;
    EndEditItem(TRUE);
    CTavoPProp* pOld = m_pSel;
    m_pSel = pProp;
    if (GetSafeHwnd() == NULL || !bRedraw)
        return;
    if (pOld != nullptr && !pOld->m_Rect.IsRectEmpty())
        InvalidateRect(pOld->m_Rect);
    if (pProp != nullptr && !pProp->m_Rect.IsRectEmpty())
        InvalidateRect(pProp->m_Rect);
    if (m_bDescriptionArea)
        InvalidateRect(GetDescriptionRect());
    UpdateWindow();
}

void CTavoPPropList::EnsureVisible(CTavoPProp* pProp)
{
    if (pProp == nullptr || pProp->m_Rect.IsRectEmpty() || m_nRowHeight <= 0)
        return;
    const int nRow = (pProp->m_Rect.top - m_rectList.top) / m_nRowHeight + m_nVertScrollOffset;
    if (nRow < m_nVertScrollOffset)
        SetFirstVisibleRow(nRow);
    else if (nRow >= m_nVertScrollOffset + m_nVisibleRows)
        SetFirstVisibleRow(nRow - std::max(1, m_nVisibleRows) + 1);
}

BOOL CTavoPPropList::EditItem(CTavoPProp* pProp, LPPOINT lptClick)
{
    if (pProp == nullptr)
        return FALSE;
    if (pProp != m_pSel)
        SetCurSel(pProp);
    if (pProp->IsInPlaceEditing())
        return TRUE;
    EnsureVisible(pProp);
    return pProp->OnEdit(lptClick);
}

BOOL CTavoPPropList::EndEditItem(BOOL bUpdateData)
{
    if (m_pSel == nullptr || !m_pSel->IsInPlaceEditing() || m_bEndingEdit)
        return TRUE;
    m_bEndingEdit = TRUE;
    CTavoPProp* pProp = m_pSel;
    const HWND hwndEditor = pProp->m_pWndInPlace->GetSafeHwnd();
    const HWND hwndFocus = ::GetFocus();
    const BOOL bHadFocus =
        hwndFocus != NULL && (hwndFocus == hwndEditor || ::IsChild(hwndEditor, hwndFocus));
    BOOL bOK = TRUE;
    const UINT nDeletions = m_nDeletions;
    if (bUpdateData)
        bOK = pProp->OnUpdateValue();
    // An owner that deleted the items on hearing of the change closed the editor with them.
    if (nDeletions == m_nDeletions)
        pProp->OnEndEdit();
    m_bEndingEdit = FALSE;
    if (bHadFocus && GetSafeHwnd() != NULL)
        SetFocus();
    return bOK;
}

void CTavoPPropList::OnPropertyChanged(CTavoPProp* pProp) const
{
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->GetSafeHwnd() != NULL)
        pOwner->SendMessage(TAVOM_PROPERTYCHANGED, (WPARAM)GetDlgCtrlID(), (LPARAM)pProp);
}

void CTavoPPropList::ReportBadValue(CTavoPProp* pProp, const CString& strText)
{
    CString strFormat;
    {
        CTavoPResourceScope scope;
        strFormat.LoadString(IDS_TAVOP_PROP_BAD_VALUE);
    }
    CString strMessage;
    strMessage.Format(strFormat, (LPCTSTR)strText, (LPCTSTR)pProp->GetName());
    // The box takes the focus from the editor: that is no end of the edit.
    const BOOL bSaved = m_bEndingEdit;
    m_bEndingEdit = TRUE;
    MessageBox(strMessage, nullptr, MB_OK | MB_ICONWARNING);
    m_bEndingEdit = bSaved;
}

// ---- layout ----

int CTavoPPropList::GetScrollBarWidth() const
{
    return ::GetSystemMetrics(SM_CXVSCROLL);
}

CRect CTavoPPropList::GetDescriptionRect() const
{
    if (!m_bDescriptionArea || GetSafeHwnd() == NULL)
        return CRect(0, 0, 0, 0);
    CRect rect;
    GetClientRect(rect);
    rect.top = std::max((int)rect.top, (int)(rect.bottom - m_nDescrHeight));
    return rect;
}

CFont* CTavoPPropList::GetListFont() const
{
    return CFont::FromHandle(m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

void CTavoPPropList::CreateFonts()
{
    m_fontBold.DeleteObject();
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    GetListFont()->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetListFont());
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOldFont);
    m_nRowHeight = (int)tm.tmHeight + 4;
}

void CTavoPPropList::UpdateGroupColor()
{
    const COLORREF clrFace = GetGlobalData().clrBtnFace;
    m_clrGray =
        GetGlobalData().m_nBitsPerPixel > 8 ? CTavoPDrawManager::ScaleColor(clrFace, 94) : clrFace;
}

void CTavoPPropList::Init()
{
    CreateFonts();
    UpdateGroupColor();

    m_wndHeader.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 0, 0), this, kHeaderId);
    m_wndHeader.SetFont(GetListFont(), FALSE);
    CString strName, strValue;
    {
        CTavoPResourceScope scope;
        strName.LoadString(IDS_TAVOP_PROP_NAME);
        strValue.LoadString(IDS_TAVOP_PROP_VALUE);
    }
    HDITEM hdi;
    memset(&hdi, 0, sizeof(hdi));
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdi.fmt = HDF_LEFT | HDF_STRING;
    hdi.pszText = const_cast<LPTSTR>((LPCTSTR)strName);
    m_wndHeader.InsertItem(0, &hdi);
    hdi.pszText = const_cast<LPTSTR>((LPCTSTR)strValue);
    m_wndHeader.InsertItem(1, &hdi);

    m_wndScrollVert.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId);

    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX))
    {
        m_wndToolTip.AddTool(this, _T(""), CRect(0, 0, 0, 0), kToolId);
        m_wndToolTip.SetFont(GetListFont(), FALSE);
        m_wndToolTip.Activate(FALSE);
    }

    CRect rectClient;
    GetClientRect(rectClient);
    m_nLeftColumnWidth = rectClient.Width() / 2;
    m_nDescrHeight = rectClient.Height() / 4;
    AdjustLayout();
}

void CTavoPPropList::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);

    if (m_wndHeader.GetSafeHwnd() != NULL)
    {
        CRect rectLayout = rectClient;
        WINDOWPOS wp;
        memset(&wp, 0, sizeof(wp));
        HDLAYOUT layout = {&rectLayout, &wp};
        m_nHeaderHeight = m_wndHeader.Layout(&layout) ? wp.cy : m_nRowHeight;
        m_wndHeader.SetWindowPos(nullptr, rectClient.left, rectClient.top, rectClient.Width(),
                                 m_nHeaderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ReposProperties();
    SetHeaderWidths();
    Invalidate();
}

void CTavoPPropList::ReposProperties()
{
    if (GetSafeHwnd() == NULL)
        return;
    if (m_bAlphabeticMode)
        ReposSorted();

    CRect rectClient;
    GetClientRect(rectClient);
    m_rectList = rectClient;
    m_rectList.top += m_nHeaderHeight;
    m_rectList.bottom -= GetDescriptionHeight();
    if (m_rectList.bottom < m_rectList.top)
        m_rectList.bottom = m_rectList.top;

    const CObList& lstTop = m_bAlphabeticMode ? m_lstTerminalProps : m_lstProps;
    m_nVertScrollTotal = 0;
    for (POSITION pos = lstTop.GetHeadPosition(); pos != nullptr;)
        m_nVertScrollTotal += CountShown((CTavoPProp*)lstTop.GetNext(pos));
    m_nVisibleRows = m_nRowHeight > 0 ? m_rectList.Height() / m_nRowHeight : 0;
    // A list that shrank (fewer rows, or a taller window) starts no lower than its first row.
    m_nVertScrollOffset = ClampFirstRow(m_nVertScrollOffset);

    SetScrollSizes();
    if (m_wndScrollVert.GetSafeHwnd() != NULL && m_wndScrollVert.IsWindowVisible())
        m_rectList.right = std::max(m_rectList.left, m_rectList.right - GetScrollBarWidth());

    int y = m_rectList.top - m_nVertScrollOffset * m_nRowHeight;
    for (POSITION pos = lstTop.GetHeadPosition(); pos != nullptr;)
        ((CTavoPProp*)lstTop.GetNext(pos))->Reposition(y, 0);

    // An open editor goes with its row, or closes when the row no longer shows.
    if (m_pSel != nullptr && m_pSel->IsInPlaceEditing() && !m_bEndingEdit)
    {
        CRect rectInter;
        if (!rectInter.IntersectRect(m_pSel->m_Rect, m_rectList))
            EndEditItem(TRUE);
        else
        {
            const CRect rectEditor = m_pSel->GetEditorRect();
            CRect rectWindow;
            m_pSel->m_pWndInPlace->GetWindowRect(rectWindow);
            m_pSel->m_pWndInPlace->SetWindowPos(nullptr, rectEditor.left, rectEditor.top,
                                                rectEditor.Width(), rectWindow.Height(),
                                                SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void CTavoPPropList::ReposSorted()
{
    // Rows of the grouped mode that the sorted mode does not show keep no place on screen.
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != nullptr;)
        ((CTavoPProp*)m_lstProps.GetNext(pos))->ClearLayout();
    m_lstTerminalProps.RemoveAll();
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != nullptr;)
        AddTerminal((CTavoPProp*)m_lstProps.GetNext(pos));
}

void CTavoPPropList::AddTerminal(CTavoPProp* pProp)
{
    if (!pProp->IsVisible())
        return;
    if (pProp->IsGroup())
    {
        for (int i = 0; i < pProp->GetSubItemsCount(); i++)
            AddTerminal(pProp->GetSubItem(i));
        return;
    }
    // Byte-wise by name; a name goes before the first greater one, after its equals.
    for (POSITION pos = m_lstTerminalProps.GetHeadPosition(); pos != nullptr;)
    {
        POSITION posCur = pos;
        CTavoPProp* p = (CTavoPProp*)m_lstTerminalProps.GetNext(pos);
        if (strcmp(p->GetName(), pProp->GetName()) > 0)
        {
            m_lstTerminalProps.InsertBefore(posCur, pProp);
            return;
        }
    }
    m_lstTerminalProps.AddTail(pProp);
}

int CTavoPPropList::ClampFirstRow(int nRow) const
{
    nRow = std::min(nRow, m_nVertScrollTotal - m_nVisibleRows + 1);
    return std::max(0, nRow);
}

void CTavoPPropList::SetScrollSizes()
{
    if (m_wndScrollVert.GetSafeHwnd() == NULL)
        return;
    const BOOL bShow = m_nVisibleRows > 0 && m_nVertScrollTotal >= m_nVisibleRows;
    if (bShow)
    {
        CRect rectBar = m_rectList;
        rectBar.left = std::max(rectBar.left, rectBar.right - GetScrollBarWidth());
        m_wndScrollVert.SetWindowPos(nullptr, rectBar.left, rectBar.top, rectBar.Width(),
                                     rectBar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        SCROLLINFO si;
        memset(&si, 0, sizeof(si));
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = m_nVertScrollTotal;
        si.nPage = (UINT)m_nVisibleRows;
        si.nPos = m_nVertScrollOffset;
        m_wndScrollVert.SetScrollInfo(&si, TRUE);
    }
    if (bShow != m_wndScrollVert.IsWindowVisible())
        m_wndScrollVert.ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CTavoPPropList::SetHeaderWidths()
{
    if (m_wndHeader.GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    HDITEM hdi;
    memset(&hdi, 0, sizeof(hdi));
    hdi.mask = HDI_WIDTH;
    hdi.cxy = m_nLeftColumnWidth;
    m_wndHeader.SetItem(0, &hdi);
    hdi.cxy = rectClient.Width() - m_nLeftColumnWidth + 10;
    m_wndHeader.SetItem(1, &hdi);
}

void CTavoPPropList::SetFirstVisibleRow(int nRow)
{
    nRow = ClampFirstRow(nRow);
    if (nRow == m_nVertScrollOffset || GetSafeHwnd() == NULL)
        return;
    // An editor does not scroll with the rows: the value is taken first.
    EndEditItem(TRUE);
    const int nDelta = m_nVertScrollOffset - nRow;
    m_nVertScrollOffset = nRow;
    ReposProperties();
    ScrollWindow(0, nDelta * m_nRowHeight, m_rectList, m_rectList);
    if (m_pSel != nullptr && !m_pSel->m_rectValue.IsRectEmpty())
        InvalidateRect(m_pSel->m_rectValue);
    UpdateWindow();
}

CTavoPProp* CTavoPPropList::GetShownNeighbour(int nDelta) const
{
    CObList lstShown;
    GetShownItems(lstShown);
    int nIndex = 0;
    for (POSITION pos = lstShown.GetHeadPosition(); pos != nullptr; nIndex++)
        if (lstShown.GetNext(pos) == m_pSel)
            break;
    POSITION pos = lstShown.FindIndex(nIndex + nDelta);
    return pos == nullptr ? nullptr : (CTavoPProp*)lstShown.GetAt(pos);
}

void CTavoPPropList::SelectAndShow(CTavoPProp* pProp)
{
    if (pProp == nullptr)
        return;
    SetCurSel(pProp);
    EnsureVisible(pProp);
}

// ---- drawing ----

void CTavoPPropList::OnDraw(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, ::GetSysColor(COLOR_WINDOW));
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetListFont());

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(m_rectList);
    CObList lstShown;
    GetShownItems(lstShown);
    CRect rectInter;
    for (POSITION pos = lstShown.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPProp* pProp = (CTavoPProp*)lstShown.GetNext(pos);
        if (rectInter.IntersectRect(pProp->m_Rect, m_rectList))
            OnDrawProperty(pDC, pProp);
    }
    pDC->RestoreDC(nSaved);

    if (m_bDescriptionArea)
        OnDrawDescription(pDC, GetDescriptionRect());
    pDC->SelectObject(pOldFont);
}

void CTavoPPropList::OnDrawProperty(CDC* pDC, CTavoPProp* pProp)
{
    const CRect rect = pProp->m_Rect;
    const int nNameLeft = pProp->GetNameLeft();
    const BOOL bSelected = pProp == m_pSel;
    const COLORREF clrText =
        pProp->IsEnabled() ? ::GetSysColor(COLOR_WINDOWTEXT) : GetGlobalData().clrGrayedText;

    // The margin of expand boxes down the left.
    pDC->FillSolidRect(CRect(rect.left, rect.top, nNameLeft, rect.bottom), m_clrGray);
    const CRect rectBox(nNameLeft - m_nRowHeight, rect.top, nNameLeft, rect.bottom);

    if (pProp->IsGroup())
    {
        pDC->FillSolidRect(rect, m_clrGray);
        pProp->OnDrawExpandBox(pDC, rectBox);
        CRect rectName(nNameLeft, rect.top, rect.right, rect.bottom);
        if (bSelected)
        {
            pDC->FillSolidRect(rectName,
                               m_bFocused ? GetGlobalData().clrHilite : GetGlobalData().clrBtnFace);
            pDC->SetTextColor(m_bFocused ? GetGlobalData().clrTextHilite : clrText);
        }
        else
            pDC->SetTextColor(clrText);
        CFont* pOldFont = pDC->SelectObject(&m_fontBold);
        pProp->OnDrawName(pDC, rectName);
        pDC->SelectObject(pOldFont);
        return;
    }

    if (pProp->HasExpandBox())
        pProp->OnDrawExpandBox(pDC, rectBox);

    CRect rectName(nNameLeft, rect.top, pProp->m_rectValue.left, rect.bottom);
    if (bSelected)
    {
        pDC->FillSolidRect(rectName,
                           m_bFocused ? GetGlobalData().clrHilite : GetGlobalData().clrBtnFace);
        pDC->SetTextColor(m_bFocused ? GetGlobalData().clrTextHilite : clrText);
    }
    else
        pDC->SetTextColor(clrText);
    pProp->OnDrawName(pDC, rectName);

    pDC->SetTextColor(clrText);
    CRect rectValue = pProp->m_rectValue;
    const BOOL bButton = pProp->HasButton() && bSelected;
    if (bButton)
        rectValue.right = pProp->GetButtonRect().left;
    if (!pProp->IsInPlaceEditing())
        pProp->OnDrawValue(pDC, rectValue);
    if (bButton)
        pProp->OnDrawButton(pDC, pProp->GetButtonRect());

    // Grid lines between the columns and under the row.
    pDC->FillSolidRect(pProp->m_rectValue.left - 1, rect.top, 1, rect.Height(), m_clrGray);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, m_clrGray);
}

void CTavoPPropList::OnDrawDescription(CDC* pDC, CRect rect)
{
    CRect rectSplitter = rect;
    rectSplitter.bottom = std::min(rect.bottom, rect.top + kDescrSplitter);
    pDC->FillSolidRect(rectSplitter, GetGlobalData().clrBtnFace);

    CRect rectBox = rect;
    rectBox.top = rectSplitter.bottom;
    rectBox.DeflateRect(1, 1);
    if (rectBox.IsRectEmpty())
        return;
    pDC->FillSolidRect(rectBox, GetGlobalData().clrBtnFace);
    pDC->Draw3dRect(rectBox, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
    if (m_pSel == nullptr)
        return;
    pDC->SetTextColor(GetGlobalData().clrBtnText);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectBox);
    m_pSel->OnDrawDescription(pDC, rectBox);
    pDC->RestoreDC(nSaved);
}

// ---- splitters ----

BOOL CTavoPPropList::IsOverDescrSplitter(CPoint point) const
{
    if (!m_bDescriptionArea)
        return FALSE;
    const int nTop = GetDescriptionRect().top;
    return point.y >= nTop - kSplitterSlack && point.y < nTop + kDescrSplitter + kSplitterSlack;
}

BOOL CTavoPPropList::IsOverColumnSplitter(CPoint point) const
{
    if (point.y < m_rectList.top || point.y >= m_rectList.bottom)
        return FALSE;
    return abs(point.x - (m_rectList.left + m_nLeftColumnWidth)) <= kSplitterSlack;
}

void CTavoPPropList::DrawTrackingLine(int nPos, BOOL bHorz)
{
    if (nPos < 0)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CClientDC dc(this);
    if (bHorz)
        dc.PatBlt(rectClient.left, nPos, rectClient.Width(), 2, DSTINVERT);
    else
        dc.PatBlt(nPos, m_rectList.top, 2, m_rectList.Height(), DSTINVERT);
}

void CTavoPPropList::StopTracking(CPoint point, BOOL bApply)
{
    if (!m_bTracking && !m_bTrackingDescr)
        return;
    const BOOL bDescr = m_bTrackingDescr;
    DrawTrackingLine(m_nTrackPos, bDescr);
    m_nTrackPos = -1;
    m_bTracking = FALSE;
    m_bTrackingDescr = FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (!bApply)
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    if (bDescr)
    {
        // The rows keep room for the header and one row at least.
        const int nMost =
            std::max(m_nRowHeight, (int)rectClient.Height() - m_nHeaderHeight - m_nRowHeight);
        m_nDescrHeight =
            std::max(m_nRowHeight, std::min(nMost, (int)(rectClient.bottom - point.y)));
        AdjustLayout();
    }
    else
    {
        const int nMost = std::max(m_nRowHeight, (int)rectClient.Width() - GetScrollBarWidth() - 5);
        m_nLeftColumnWidth =
            std::max(m_nRowHeight, std::min(nMost, (int)(point.x - m_rectList.left)));
        SetHeaderWidths();
        ReposProperties();
        Invalidate();
    }
}

void CTavoPPropList::UpdateToolTip(CPoint point)
{
    if (m_wndToolTip.GetSafeHwnd() == NULL)
        return;
    CTavoPProp::ClickArea area = CTavoPProp::ClickName;
    CTavoPProp* pProp = HitTest(point, &area);
    const int nArea = pProp != nullptr ? (int)area : -1;
    if (pProp == m_pTipProp && nArea == m_nTipArea)
        return;
    m_pTipProp = pProp;
    m_nTipArea = nArea;

    CString strTip;
    CRect rectTool(0, 0, 0, 0);
    if (pProp != nullptr && area == CTavoPProp::ClickName)
    {
        strTip = pProp->GetNameTooltip();
        rectTool = pProp->m_Rect;
        if (!pProp->m_rectValue.IsRectEmpty())
            rectTool.right = pProp->m_rectValue.left;
    }
    else if (pProp != nullptr && area == CTavoPProp::ClickValue)
    {
        strTip = pProp->GetValueTooltip();
        rectTool = pProp->m_rectValue;
    }
    m_wndToolTip.Pop();
    m_wndToolTip.SetToolRect(this, kToolId, rectTool);
    m_wndToolTip.UpdateTipText(strTip, this, kToolId);
    // An empty text shows no tip.
    m_wndToolTip.Activate(!strTip.IsEmpty());
}

// ---- handlers ----

int CTavoPPropList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    Init();
    return 0;
}

void CTavoPPropList::OnDestroy()
{
    // Items first, then the header, then the window.
    DeleteItems();
    m_wndHeader.DestroyWindow();
    CWnd::OnDestroy();
}

void CTavoPPropList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    EndEditItem(TRUE);
    m_nLeftColumnWidth = cx / 2;
    m_nDescrHeight = cy / 4;
    AdjustLayout();
}

void CTavoPPropList::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClip;
    dcPaint.GetClipBox(rectClip);
    CRect rectClient;
    GetClientRect(rectClient);

    CDC dcMem;
    CBitmap bmp;
    if (dcMem.CreateCompatibleDC(&dcPaint) &&
        bmp.CreateCompatibleBitmap(&dcPaint, rectClient.Width(), rectClient.Height()))
    {
        CBitmap* pOldBitmap = dcMem.SelectObject(&bmp);
        OnDraw(&dcMem);
        dcPaint.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem,
                       rectClip.left, rectClip.top, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
    else
        OnDraw(&dcPaint);
}

BOOL CTavoPPropList::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CTavoPPropList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    SetFocus();
    if (IsOverDescrSplitter(point) || IsOverColumnSplitter(point))
    {
        EndEditItem(TRUE);
        m_bTrackingDescr = IsOverDescrSplitter(point);
        m_bTracking = !m_bTrackingDescr;
        SetCapture();
        m_nTrackPos = m_bTrackingDescr ? point.y : point.x;
        DrawTrackingLine(m_nTrackPos, m_bTrackingDescr);
        return;
    }

    CTavoPProp::ClickArea area = CTavoPProp::ClickName;
    CTavoPProp* pHit = HitTest(point, &area);
    if (pHit == nullptr)
        return;
    SetCurSel(pHit);
    EnsureVisible(pHit);
    // A row that had to scroll into view moved from under the pointer.
    if (!pHit->m_Rect.PtInRect(point))
        return;

    switch (area)
    {
    case CTavoPProp::ClickExpandBox: pHit->Expand(!pHit->IsExpanded()); break;
    case CTavoPProp::ClickName: pHit->OnClickName(point); break;
    case CTavoPProp::ClickValue:
        if (pHit->IsEnabled() && pHit->IsAllowEdit() && !pHit->IsGroup() && EditItem(pHit, &point))
            pHit->OnClickValue(WM_LBUTTONDOWN, point);
        break;
    }
    // A click about the row being edited (its button) leaves the editor the focus.
    if (m_pSel != nullptr && m_pSel->IsInPlaceEditing() && ::GetFocus() == m_hWnd)
        m_pSel->m_pWndInPlace->SetFocus();
}

void CTavoPPropList::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    StopTracking(point, TRUE);
}

void CTavoPPropList::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    CTavoPProp::ClickArea area = CTavoPProp::ClickName;
    CTavoPProp* pHit = HitTest(point, &area);
    if (pHit == nullptr)
        return;
    if (pHit->IsGroup() || area == CTavoPProp::ClickExpandBox)
    {
        pHit->Expand(!pHit->IsExpanded());
        return;
    }
    if (pHit->IsEnabled() && pHit->IsAllowEdit() && EditItem(pHit, &point))
        pHit->OnDblClick(point);
}

void CTavoPPropList::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking || m_bTrackingDescr)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        const int nPos =
            m_bTrackingDescr
                ? std::max((int)rectClient.top, std::min((int)rectClient.bottom - 1, (int)point.y))
                : std::max((int)rectClient.left, std::min((int)rectClient.right - 1, (int)point.x));
        if (nPos != m_nTrackPos)
        {
            DrawTrackingLine(m_nTrackPos, m_bTrackingDescr);
            m_nTrackPos = nPos;
            DrawTrackingLine(m_nTrackPos, m_bTrackingDescr);
        }
        return;
    }
    if (m_wndToolTip.GetSafeHwnd() != NULL)
    {
        MSG msg = *GetCurrentMessage();
        msg.hwnd = m_hWnd;
        m_wndToolTip.RelayEvent(&msg);
    }
    UpdateToolTip(point);
}

BOOL CTavoPPropList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (m_bTrackingDescr || IsOverDescrSplitter(point))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
            return TRUE;
        }
        if (m_bTracking || IsOverColumnSplitter(point))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CTavoPPropList::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    const int nLines = zDelta / WHEEL_DELTA;
    if (nLines != 0)
        SetFirstVisibleRow(m_nVertScrollOffset - nLines);
    return TRUE;
}

void CTavoPPropList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bFocused)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    CObList lstShown;
    GetShownItems(lstShown);
    CTavoPProp* pFirst = lstShown.IsEmpty() ? nullptr : (CTavoPProp*)lstShown.GetHead();
    CTavoPProp* pLast = lstShown.IsEmpty() ? nullptr : (CTavoPProp*)lstShown.GetTail();

    switch (nChar)
    {
    case VK_ADD:
    case VK_SUBTRACT:
        if (m_pSel != nullptr && m_pSel->HasExpandBox())
            m_pSel->Expand(nChar == VK_ADD);
        return;
    case VK_HOME: SelectAndShow(pFirst); return;
    case VK_END: SelectAndShow(pLast); return;
    case VK_PRIOR:
    case VK_NEXT:
    {
        if (m_pSel == nullptr)
        {
            SelectAndShow(pFirst);
            return;
        }
        const int nPage = std::max(1, m_nVisibleRows);
        CTavoPProp* pNext = GetShownNeighbour(nChar == VK_NEXT ? nPage : -nPage);
        SelectAndShow(pNext != nullptr ? pNext : (nChar == VK_NEXT ? pLast : pFirst));
        return;
    }
    case VK_UP:
    case VK_LEFT:
    case VK_DOWN:
    case VK_RIGHT:
    {
        if (m_pSel == nullptr || m_pSel->m_Rect.IsRectEmpty())
        {
            SelectAndShow(pFirst);
            return;
        }
        const CRect rect = m_pSel->m_Rect;
        const BOOL bUp = nChar == VK_UP || nChar == VK_LEFT;
        const CPoint point(rect.CenterPoint().x, bUp ? rect.top - 2 : rect.bottom + 2);
        SelectAndShow(HitTestRows(point, nullptr));
        return;
    }
    default: break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CTavoPPropList::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CTavoPPropList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    const int nPage = std::max(1, m_nVisibleRows);
    switch (nSBCode)
    {
    case SB_LINEUP: SetFirstVisibleRow(m_nVertScrollOffset - 1); break;
    case SB_LINEDOWN: SetFirstVisibleRow(m_nVertScrollOffset + 1); break;
    case SB_PAGEUP: SetFirstVisibleRow(m_nVertScrollOffset - nPage); break;
    case SB_PAGEDOWN: SetFirstVisibleRow(m_nVertScrollOffset + nPage); break;
    case SB_TOP: SetFirstVisibleRow(0); break;
    case SB_BOTTOM: SetFirstVisibleRow(m_nVertScrollTotal); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetFirstVisibleRow((int)nPos); break;
    default: break;
    }
}

void CTavoPPropList::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    if (m_pSel != nullptr)
        m_pSel->Redraw();
}

void CTavoPPropList::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    if (m_pSel != nullptr)
        m_pSel->Redraw();
}

void CTavoPPropList::OnCancelMode()
{
    CWnd::OnCancelMode();
    StopTracking(CPoint(0, 0), FALSE);
}

void CTavoPPropList::OnCaptureChanged(CWnd* pWnd)
{
    StopTracking(CPoint(0, 0), FALSE);
    CWnd::OnCaptureChanged(pWnd);
}

void CTavoPPropList::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    UpdateGroupColor();
    Invalidate();
}

void CTavoPPropList::OnNcPaint()
{
    if ((GetStyle() & WS_BORDER) == 0)
    {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.DrawEdge(rectWindow, EDGE_SUNKEN, BF_RECT);
    CBrush brShadow(GetGlobalData().clrBtnShadow);
    dc.FrameRect(rectWindow, &brShadow);
}

LRESULT CTavoPPropList::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    CreateFonts();
    if (m_wndHeader.GetSafeHwnd() != NULL)
        m_wndHeader.SetFont(GetListFont(), FALSE);
    if (m_wndToolTip.GetSafeHwnd() != NULL)
        m_wndToolTip.SetFont(GetListFont(), FALSE);
    AdjustLayout();
    if (LOWORD(lParam) != 0)
        RedrawWindow();
    return 0;
}

LRESULT CTavoPPropList::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return (LRESULT)m_hFont;
}

LRESULT CTavoPPropList::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    if (pDC != nullptr)
        OnDraw(pDC);
    return 0;
}

LRESULT CTavoPPropList::OnEndEditRequest(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_bEndingEdit || m_pSel == nullptr || !m_pSel->IsInPlaceEditing())
        return 0;
    const HWND hwndEditor = m_pSel->m_pWndInPlace->GetSafeHwnd();
    if ((HWND)wParam != hwndEditor)
        return 0;
    // The focus came back (a box that told the user something has closed): keep editing.
    const HWND hwndFocus = ::GetFocus();
    if (hwndFocus != NULL && (hwndFocus == hwndEditor || ::IsChild(hwndEditor, hwndFocus)))
        return 0;
    EndEditItem(TRUE);
    return 0;
}

LRESULT CTavoPPropList::OnTakeEditorValue(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_pSel != nullptr && m_pSel->IsInPlaceEditing() &&
        (HWND)wParam == m_pSel->m_pWndInPlace->GetSafeHwnd())
        m_pSel->OnUpdateValue();
    return 0;
}

BOOL CTavoPPropList::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_pSel != nullptr && m_pSel->IsInPlaceEditing() && lParam != 0 &&
        (HWND)lParam == m_pSel->m_pWndInPlace->GetSafeHwnd())
    {
        const UINT nCode = HIWORD(wParam);
        const BOOL bChosen = m_pSel->m_bInPlaceIsCombo
                                 ? nCode == CBN_SELENDOK
                                 : nCode == BN_CLICKED && !m_pSel->m_pWndInPlace->IsKindOf(
                                                              RUNTIME_CLASS(CTavoPPropEditWnd));
        if (bChosen)
            PostMessage(WM_TAVOP_TAKEVALUE, (WPARAM)lParam);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CTavoPPropList::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = (const NMHDR*)lParam;
    if (pNMHDR != nullptr && pNMHDR->hwndFrom == m_wndHeader.GetSafeHwnd() &&
        (pNMHDR->code == HDN_ITEMCHANGEDA || pNMHDR->code == HDN_ITEMCHANGEDW))
    {
        // The user dragged the header's divider: the rows follow it.
        const NMHEADER* pHeader = (const NMHEADER*)lParam;
        if (pHeader->iItem == 0 && pHeader->pitem != nullptr &&
            (pHeader->pitem->mask & HDI_WIDTH) != 0)
        {
            CRect rectClient;
            GetClientRect(rectClient);
            const int nMost =
                std::max(m_nRowHeight, (int)rectClient.Width() - GetScrollBarWidth() - 5);
            const int nWidth = std::max(m_nRowHeight, std::min(nMost, (int)pHeader->pitem->cxy));
            if (nWidth != m_nLeftColumnWidth)
            {
                EndEditItem(TRUE);
                m_nLeftColumnWidth = nWidth;
                ReposProperties();
                Invalidate();
            }
        }
        *pResult = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
