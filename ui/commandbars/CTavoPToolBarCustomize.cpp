// The toolbar in customize mode: the customize menu and its commands, buttons made from dropped
// data, hot tracking during context help, help hit tests and the bar's size changes.
#include "ui/commandbars/CTavoPToolBar.h"
#include "res/LibraryIds.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/customize/CTavoPButtonAppearanceDlg.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <functional>

namespace {

// The tool's icon as a bitmap on the clipboard, on the button face.
BOOL CopyIconToClipboard(HICON hIcon, CSize size)
{
    if (hIcon == NULL)
        return FALSE;
    HDC hdcScreen = ::GetDC(NULL);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, size.cx, size.cy);
    ::ReleaseDC(NULL, hdcScreen);
    BOOL bOk = FALSE;
    if (hdcMem != NULL && hBitmap != NULL)
    {
        HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
        RECT rect = {0, 0, size.cx, size.cy};
        ::FillRect(hdcMem, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawIconEx(hdcMem, 0, 0, hIcon, size.cx, size.cy, 0, NULL, DI_NORMAL);
        ::SelectObject(hdcMem, hOld);
        CWnd* pMainWnd = AfxGetMainWnd();
        if (::OpenClipboard(pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL))
        {
            ::EmptyClipboard();
            bOk = ::SetClipboardData(CF_BITMAP, hBitmap) != NULL;
            ::CloseClipboard();
        }
    }
    if (!bOk && hBitmap != NULL)
        ::DeleteObject(hBitmap);
    if (hdcMem != NULL)
        ::DeleteDC(hdcMem);
    return bOk;
}

} // namespace

// ---- the customize menu ----

void CTavoPToolBar::SetCustomizeSelected(int iButton)
{
    if (m_pSelToolbar != this)
    {
        if (m_pSelToolbar != NULL && ::IsWindow(m_pSelToolbar->GetSafeHwnd()))
        {
            const int iOther = m_pSelToolbar->m_iSelected;
            m_pSelToolbar->m_iSelected = -1;
            m_pSelToolbar->InvalidateButton(iOther);
        }
        m_pSelToolbar = this;
    }
    const int iOld = m_iSelected;
    m_iSelected = iButton;
    InvalidateButton(iOld);
    InvalidateButton(iButton);
    UpdateWindow();
}

void CTavoPToolBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (m_bLocked && m_bCustomizeMode)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    if (GetDragMode() != 0)
        return;
    SelectButton(-1);
    if (!m_bCustomizeMode)
    {
        CTavoPBaseToolBar::OnContextMenu(pWnd, point);
        return;
    }

    SetFocus();
    // From the keyboard there is no point: the menu is for the button already selected.
    const BOOL bKeyboard = point.x == -1 && point.y == -1;
    int iButton = m_iSelected;
    if (!bKeyboard)
    {
        CPoint ptClient = point;
        ScreenToClient(&ptClient);
        iButton = HitTest(ptClient);
    }
    SetCustomizeSelected(iButton);
    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
        return;
    if (!pButton->CanBeCustomized())
    {
        SetCustomizeSelected(-1);
        return;
    }
    if (!pButton->CanBeStored())
        return;

    if (bKeyboard)
    {
        point = CPoint(5, 5);
        ClientToScreen(&point);
    }
    CMenu menu;
    {
        CTavoPResourceScope scope;
        if (!menu.LoadMenu(IDR_TAVOP_CUSTOMIZE_MENU))
            return;
    }
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup != NULL)
    {
        if (pButton->IsLocked())
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_RESET, MF_BYCOMMAND | MF_GRAYED);
        if (PrepareCustomizeMenu(pButton, pPopup))
            pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    menu.DestroyMenu();
}

BOOL CTavoPToolBar::PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup)
{
    if (pButton == NULL || pPopup == NULL)
        return FALSE;
    const UINT nGrayed = MF_BYCOMMAND | MF_GRAYED;
    if (!pButton->OnCustomizeMenu(pPopup))
    {
        if (!pButton->m_bImage || pButton->GetImage() < 0)
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_COPY_IMAGE, nGrayed);
        if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_RESET, nGrayed);

        const BOOL bTextBelow = pButton->m_bTextBelow && IsHorizontalBar();
        const BOOL bText = pButton->m_bText || bTextBelow;
        UINT uiChecked = ID_TAVOP_CUSTOMIZE_IMAGE;
        if (bText && pButton->m_bImage)
            uiChecked = ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT;
        else if (bText)
            uiChecked = ID_TAVOP_CUSTOMIZE_TEXT;
        pPopup->CheckMenuItem(uiChecked, MF_BYCOMMAND | MF_CHECKED);
        if (bTextBelow)
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE, nGrayed);

        if (IsMenuMode(pButton))
        {
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE, nGrayed);
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_TEXT, nGrayed);
            pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, nGrayed);
            pButton->m_bText = TRUE;
        }
    }

    const int iButton = ButtonToIndex(pButton);
    CTavoPToolbarButton* pPrev = GetButton(iButton - 1);
    if (iButton <= 0)
        pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_START_GROUP, nGrayed);
    else if (pPrev != NULL && (pPrev->m_nStyle & TBBS_SEPARATOR))
        pPopup->CheckMenuItem(ID_TAVOP_CUSTOMIZE_START_GROUP, MF_BYCOMMAND | MF_CHECKED);
    return TRUE;
}

BOOL CTavoPToolBar::EditButtonAppearance(CTavoPToolbarButton* pButton)
{
    CTavoPButtonAppearanceDlg dlg(pButton, m_pUserImages, this, 0, IsMenuMode(pButton));
    return dlg.DoModal() == IDOK;
}

// ---- the customize commands, on the customize-selected button ----

void CTavoPToolBar::OnToolbarReset()
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    if (CTavoPUserToolsManager::FindWorkspaceTool(pButton->m_nID) == NULL)
    {
        int iImage = -1;
        if (DefaultImages().Lookup(pButton->m_nID, iImage))
        {
            pButton->m_bUserButton = FALSE;
            pButton->SetImage(iImage);
            pButton->m_bImage = TRUE;
        }
        else
            pButton->m_bImage = FALSE;
    }
    pButton->m_bText = m_bMenuMode || !pButton->m_bImage;
    SetDefaultButtonText(pButton);
    GetCommandManager()->ClearUserCmdImage(pButton->m_nID);
    AdjustLayout();
    Invalidate();
}

void CTavoPToolBar::OnCopyImage()
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    const HCURSOR hcurOld = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    CTavoPUserTool* pTool =
        pButton->m_bUserButton ? NULL : CTavoPUserToolsManager::FindWorkspaceTool(pButton->m_nID);
    if (pTool != NULL)
        CopyIconToClipboard(pTool->GetIcon(), GetImageSize());
    else if (pButton->m_bUserButton)
    {
        if (m_pUserImages != NULL)
            m_pUserImages->CopyImageToClipboard(pButton->GetImage());
    }
    else
        GetImages()->CopyImageToClipboard(pButton->GetImage());
    ::SetCursor(hcurOld);
}

void CTavoPToolBar::OnToolbarDelete()
{
    if (GetButton(m_iSelected) == NULL)
        return;
    RemoveButton(m_iSelected);
    m_iSelected = -1;
    AdjustLayout();
    Invalidate();
}

void CTavoPToolBar::OnToolbarAppearance()
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    if (pButton->m_strText.IsEmpty())
        SetDefaultButtonText(pButton);
    if (EditButtonAppearance(pButton))
    {
        AdjustLayout();
        Invalidate();
    }
}

// The display choices of the customize menu: a button without an image gets one through the
// appearance dialog first (cancelled: as it was, FALSE); a button that is to show text and has
// none takes its command's, else it beeps and shows its image only.
static BOOL ChooseDisplay(CTavoPToolBar* pBar, CTavoPToolbarButton* pButton, BOOL bText,
                          BOOL bImage, const std::function<BOOL()>& editAppearance)
{
    const BOOL bTextBefore = pButton->m_bText;
    const BOOL bImageBefore = pButton->m_bImage;
    pButton->m_bText = bText;
    pButton->m_bImage = bImage;
    if (bImage && pButton->GetImage() < 0 && !editAppearance())
    {
        pButton->m_bText = bTextBefore;
        pButton->m_bImage = bImageBefore;
        return FALSE;
    }
    if (!bText)
        return TRUE;
    if (pButton->m_strText.IsEmpty())
        pBar->SetDefaultButtonText(pButton);
    if (pButton->m_strText.IsEmpty())
    {
        AfxMessageBeep((UINT)-1);
        pButton->m_bText = FALSE;
        pButton->m_bImage = TRUE;
    }
    return TRUE;
}

void CTavoPToolBar::OnToolbarImage()
{
    ChooseSelectedDisplay(FALSE, TRUE);
}

void CTavoPToolBar::OnToolbarText()
{
    ChooseSelectedDisplay(TRUE, FALSE);
}

void CTavoPToolBar::OnToolbarImageAndText()
{
    ChooseSelectedDisplay(TRUE, TRUE);
}

void CTavoPToolBar::ChooseSelectedDisplay(BOOL bText, BOOL bImage)
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL || !ChooseDisplay(this, pButton, bText, bImage, [this, pButton]() {
            return EditButtonAppearance(pButton);
        }))
        return;
    AdjustLayout();
    Invalidate();
}

void CTavoPToolBar::OnToolbarStartGroup()
{
    const int iButton = m_iSelected;
    if (GetButton(iButton) == NULL)
        return;
    CTavoPToolbarButton* pPrev = GetButton(iButton - 1);
    if (pPrev != NULL && (pPrev->m_nStyle & TBBS_SEPARATOR))
        RemoveButton(iButton - 1); // the selection moves down with the button
    else if (InsertSeparator(iButton) >= 0)
        m_iSelected = iButton + 1;
    AdjustLayout();
    Invalidate();
}

void CTavoPToolBar::OnToolbarNewMenuButton()
{
    if (GetButton(m_iSelected) == NULL)
        return;
    CTavoPToolbarMenuButton* pNew = new CTavoPToolbarMenuButton;
    pNew->m_bText = TRUE;
    pNew->m_bImage = FALSE;
    if (!EditButtonAppearance(pNew))
    {
        delete pNew;
        return;
    }
    const int iIndex = InsertButton(pNew, m_iSelected);
    if (iIndex < 0)
    {
        delete pNew;
        return;
    }
    m_iSelected = iIndex;
    AdjustLayout();
    Invalidate();
    pNew->OnClick(this, FALSE);
}

// ---- buttons from dropped data ----

CTavoPToolbarButton* CTavoPToolBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    CTavoPToolbarButton* pButton = CTavoPToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == NULL)
        return NULL;
    const int iTab = pButton->m_strText.Find(_T('\t'));
    if (iTab >= 0)
        pButton->m_strText = pButton->m_strText.Left(iTab);
    if (pButton->m_bDragFromCollection)
    {
        pButton->m_bText = FALSE;
        pButton->m_bImage = TRUE;
        if (pButton->GetImage() < 0 && pButton->m_strText.IsEmpty() &&
            !EditButtonAppearance(pButton))
        {
            delete pButton;
            return NULL;
        }
    }
    if (pButton->GetImage() < 0)
    {
        pButton->m_bText = TRUE;
        pButton->m_bImage = FALSE;
    }
    return pButton;
}

// ---- context help ----

LRESULT CTavoPToolBar::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    OnCancelMode();
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    CTavoPToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton == NULL)
    {
        AfxMessageBeep((UINT)-1);
        return -1;
    }
    if (pButton->OnKeyActivate(this))
        return -1;
    const LRESULT lResult = CTavoPBaseToolBar::OnHelpHitTest(wParam, lParam);
    if (lResult > 0)
        SetHotTrackingHook(FALSE);
    return lResult;
}

void CTavoPToolBar::SetHotTrackingHook(BOOL bOn)
{
    if (bOn)
    {
        if (m_hookMouseHelp == NULL)
            m_hookMouseHelp =
                ::SetWindowsHookEx(WH_MOUSE, HotTrackingHookProc, NULL, ::GetCurrentThreadId());
        return;
    }
    if (m_hookMouseHelp == NULL)
        return;
    ::UnhookWindowsHookEx(m_hookMouseHelp);
    m_hookMouseHelp = NULL;
    m_pLastHookedToolbar = NULL;
    CObList& list = LiveToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)list.GetNext(pos);
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->OnCancelMode();
    }
}

LRESULT CALLBACK CTavoPToolBar::HotTrackingHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != HC_ACTION)
        return ::CallNextHookEx(m_hookMouseHelp, nCode, wParam, lParam);
    if (wParam == WM_MOUSEMOVE)
    {
        const MOUSEHOOKSTRUCT* pInfo = (const MOUSEHOOKSTRUCT*)lParam;
        CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(
            CTavoPToolBar, CWnd::FromHandlePermanent(::WindowFromPoint(pInfo->pt)));
        if (pBar != NULL)
        {
            CPoint point = pInfo->pt;
            pBar->ScreenToClient(&point);
            pBar->OnMouseMove(0, point);
        }
        // The bar the pointer left loses its highlight; one that is gone is forgotten.
        CTavoPToolBar* pLast = m_pLastHookedToolbar;
        if (pLast != NULL && pLast != pBar && LiveToolbars().Find(pLast) != NULL &&
            ::IsWindow(pLast->GetSafeHwnd()))
        {
            pLast->m_bTracked = FALSE;
            pLast->m_ptLastMouse = CPoint(-1, -1);
            if (pLast->m_iHighlighted >= 0)
            {
                const int iOld = pLast->m_iHighlighted;
                pLast->m_iHighlighted = -1;
                pLast->SelectButton(-1);
                pLast->InvalidateButton(iOld);
                pLast->UpdateWindow();
            }
        }
        m_pLastHookedToolbar = pBar;
    }
    ::CallNextHookEx(m_hookMouseHelp, nCode, wParam, lParam);
    return 0;
}

// ---- size changes ----

void CTavoPToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    const CSize sizeOld = m_sizeLast;
    const UINT nFlags = lpwndpos != NULL ? lpwndpos->flags : 0;
    Default();
    CTavoPToolbarCustomize* pSheet = CTavoPToolbarCustomize::GetActiveSheet();
    if (m_bCustomizeMode && pSheet != NULL && !m_bLocked)
    {
        if (nFlags & SWP_HIDEWINDOW)
        {
            pSheet->AddToolbar(this, FALSE);
            if (m_pSelToolbar == this)
            {
                m_iSelected = -1;
                m_pSelToolbar = NULL;
            }
        }
        else if (nFlags & SWP_SHOWWINDOW)
            pSheet->AddToolbar(this, TRUE);
    }
    CRect rectWindow;
    GetWindowRect(rectWindow);
    m_sizeLast = rectWindow.Size();
    CWnd* pParent = GetParent();
    if (m_sizeLast.cx > sizeOld.cx || m_sizeLast.cy > sizeOld.cy ||
        (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPReBar))))
        RedrawWindow(NULL, NULL, RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
}

BOOL CTavoPToolBar::IsUserDefined() const
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    if (pFrame == NULL) // a floating bar's parents lead to its mini frame, not to its frame
        pFrame = GetDockSiteFrame();
    if (pFrame == NULL)
        pFrame = GetTopLevelFrame();
    if (CTavoPFrameWnd* pLibraryFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, pFrame))
        return pLibraryFrame->GetFrameImpl()->IsUserDefinedToolbar(this);
    if (CTavoPMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, pFrame))
        return pMDIFrame->GetFrameImpl()->IsUserDefinedToolbar(this);
    return FALSE;
}
