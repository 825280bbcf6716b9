#include "ui/commandbars/CTavoPDropDownToolbarButton.h"
#include "ui/commandbars/CTavoPDropDownFrame.h"
#include "ui/commandbars/CTavoPDropDownToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CTavoPDropDownToolbarButton, CTavoPToolbarButton, VERSIONABLE_SCHEMA | 1)

CTavoPDropDownToolbarButton* CTavoPDropDownToolbarButton::m_pPressedButton = NULL;

namespace {

// Customize-menu commands that make no sense for a button whose image follows its choice.
const UINT kCustomizeCopyImage = 16911;
const UINT kCustomizeAppearance = 16913;
const UINT kCustomizeImage = 16914;
const UINT kCustomizeText = 16915;
const UINT kCustomizeImageAndText = 16916;

// The tip part of a command's string resource: what follows the first "\n".
CString CommandTipText(UINT uiCmd)
{
    CString strMessage;
    if (!strMessage.LoadString(uiCmd))
        return CString();
    const int nNewLine = strMessage.Find(_T('\n'));
    return nNewLine < 0 ? CString() : strMessage.Mid(nNewLine + 1);
}

} // namespace

CTavoPDropDownToolbarButton::CTavoPDropDownToolbarButton()
    : m_pToolBar(NULL), m_pPopupMenu(NULL), m_pWndParent(NULL), m_uiTimer(0), m_iSelectedImage(0),
      m_bInternalDraw(FALSE), m_bLocalUserButton(FALSE)
{
    m_bLocked = TRUE;
}

CTavoPDropDownToolbarButton::CTavoPDropDownToolbarButton(LPCTSTR lpszName,
                                                         CTavoPDropDownToolBar* pToolBar)
    : CTavoPDropDownToolbarButton()
{
    m_strName = lpszName != NULL ? lpszName : _T("");
    m_pToolBar = pToolBar;
    if (m_pToolBar != NULL && m_pToolBar->GetCount() > 0)
        SetCurrentCommand(m_pToolBar->GetItemID(0));
}

// A button may go while its press timer runs or its choices are open: both are ended here, so
// that neither the timer nor the frame comes back to a deleted button.
CTavoPDropDownToolbarButton::~CTavoPDropDownToolbarButton()
{
    StopPressTimer();
    if (m_pPressedButton == this)
        m_pPressedButton = NULL;
    if (m_pPopupMenu != NULL)
    {
        CTavoPDropDownFrame* pFrame = m_pPopupMenu;
        m_pPopupMenu = NULL;
        pFrame->m_pParentBtn = NULL;
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
    }
}

void CTavoPDropDownToolbarButton::SetCurrentCommand(UINT uiCmd)
{
    m_nID = uiCmd;
    m_iSelectedImage = 0;
    m_bLocalUserButton = FALSE;
    if (m_pToolBar == NULL)
        return;
    int iImage = 0;
    const CObList& list = m_pToolBar->GetAllButtons();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)list.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            continue;
        if (pButton->m_nID == uiCmd)
        {
            m_bLocalUserButton = pButton->m_bUserButton;
            m_iSelectedImage = pButton->m_bUserButton ? pButton->GetImage() : iImage;
            return;
        }
        iImage++;
    }
}

// ---- archive and copies ----

void CTavoPDropDownToolbarButton::Serialize(CArchive& ar)
{
    CTavoPToolbarButton::Serialize(ar);
    if (ar.IsStoring())
    {
        const UINT uiBarId = m_pToolBar != NULL ? (UINT)m_pToolBar->GetDlgCtrlID() : 0;
        ar << uiBarId << m_strName << (int)m_iSelectedImage;
        return;
    }

    UINT uiBarId = 0;
    int iImage = 0;
    ar >> uiBarId >> m_strName >> iImage;
    m_iSelectedImage = iImage;
    m_pToolBar = NULL;
    if (uiBarId != 0)
    {
        const CObList& list = CTavoPToolBar::GetAllToolbars();
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        {
            CTavoPDropDownToolBar* pBar =
                DYNAMIC_DOWNCAST(CTavoPDropDownToolBar, list.GetNext(pos));
            if (pBar != NULL && ::IsWindow(pBar->GetSafeHwnd()) &&
                (UINT)pBar->GetDlgCtrlID() == uiBarId)
            {
                m_pToolBar = pBar;
                break;
            }
        }
    }
    SetCurrentCommand(m_nID);
}

void CTavoPDropDownToolbarButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarButton::CopyFrom(src);
    const CTavoPDropDownToolbarButton* pSrc = DYNAMIC_DOWNCAST(CTavoPDropDownToolbarButton, &src);
    if (pSrc == NULL)
        return;
    m_pToolBar = pSrc->m_pToolBar;
    m_strName = pSrc->m_strName;
    m_iSelectedImage = pSrc->m_iSelectedImage;
    m_bLocalUserButton = pSrc->m_bLocalUserButton;
}

void CTavoPDropDownToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pWndParent = pWndParent;
    m_bText = FALSE;
    m_strText.Empty();
    m_bUserButton = FALSE;
}

BOOL CTavoPDropDownToolbarButton::IsOnPlainToolBar() const
{
    return CTavoPToolbarButton::IsOnPlainToolBar() && !m_bInternalDraw;
}

// ---- press, hold and release ----

void CALLBACK CTavoPDropDownToolbarButton::PressTimerProc(HWND hwnd, UINT /*uMsg*/,
                                                          UINT_PTR idEvent, DWORD /*dwTime*/)
{
    CTavoPDropDownToolbarButton* pButton = m_pPressedButton;
    if (pButton == NULL || pButton->m_uiTimer != idEvent || pButton->m_pWndParent == NULL ||
        pButton->m_pWndParent->GetSafeHwnd() != hwnd)
    {
        ::KillTimer(hwnd, idEvent);
        return;
    }
    pButton->OnClick(CWnd::FromHandle(hwnd), FALSE);
}

void CTavoPDropDownToolbarButton::StopPressTimer()
{
    if (m_uiTimer != 0 && m_pWndParent != NULL && ::IsWindow(m_pWndParent->GetSafeHwnd()))
        ::KillTimer(m_pWndParent->GetSafeHwnd(), m_uiTimer);
    m_uiTimer = 0;
    if (m_pPressedButton == this)
        m_pPressedButton = NULL;
}

void CTavoPDropDownToolbarButton::CloseDropDownFrame()
{
    CTavoPDropDownFrame* pFrame = m_pPopupMenu;
    m_pPopupMenu = NULL;
    if (pFrame != NULL && ::IsWindow(pFrame->GetSafeHwnd()))
        pFrame->DestroyWindow();
}

BOOL CTavoPDropDownToolbarButton::IsPressHeld() const
{
    CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(CTavoPToolBar, m_pWndParent);
    if (pBar == NULL)
        return TRUE;
    const int iPressed = pBar->GetPressedButton();
    return iPressed >= 0 && iPressed == pBar->ButtonToIndex(this);
}

BOOL CTavoPDropDownToolbarButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    CWnd* pTimerWnd = m_pWndParent != NULL ? m_pWndParent : pWnd;
    if (m_uiTimer == 0)
    {
        if (pTimerWnd == NULL || !::IsWindow(pTimerWnd->GetSafeHwnd()))
            return FALSE;
        if (m_pPressedButton != NULL && m_pPressedButton != this)
            m_pPressedButton->StopPressTimer();
        m_uiTimer =
            ::SetTimer(pTimerWnd->GetSafeHwnd(), kPressTimerId, kPressDelay, PressTimerProc);
        if (m_uiTimer != 0)
            m_pPressedButton = this;
        return FALSE;
    }

    StopPressTimer();
    if (m_pPopupMenu != NULL)
        CloseDropDownFrame();
    // A press that ended before the timer (released off the button, or cancelled) drops nothing.
    else if (!bDelay && !CTavoPToolBar::IsCustomizeMode() && IsPressHeld() &&
             (m_pWndParent == NULL || !m_pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar))))
        DropDownToolbar(pWnd);

    if (m_pWndParent != NULL && ::IsWindow(m_pWndParent->GetSafeHwnd()))
        m_pWndParent->InvalidateRect(m_rect, TRUE);
    return FALSE;
}

BOOL CTavoPDropDownToolbarButton::OnClickUp()
{
    if (m_uiTimer != 0)
    {
        StopPressTimer();
        return FALSE;
    }
    if (m_pPopupMenu == NULL)
        return TRUE;
    CloseDropDownFrame();
    return TRUE;
}

void CTavoPDropDownToolbarButton::DropDownToolbar(CWnd* pWnd)
{
    if (m_pToolBar == NULL || m_pPopupMenu != NULL)
        return;
    if (pWnd == NULL)
        pWnd = m_pWndParent;
    if (pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()))
        return;

    CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(CTavoPToolBar, m_pWndParent);
    CPoint point;
    if (pBar != NULL && (pBar->GetCurrentAlignment() & CBRS_ORIENT_HORZ) == 0)
        point = CPoint(m_rect.right + 1, m_rect.top);
    else
        point = CPoint(m_rect.left - 1, m_rect.bottom);
    pWnd->ClientToScreen(&point);

    CTavoPDropDownFrame* pFrame = new CTavoPDropDownFrame;
    pFrame->m_pParentBtn = this;
    m_pPopupMenu = pFrame;
    if (!pFrame->Create(pWnd, point.x, point.y, m_pToolBar))
        m_pPopupMenu = NULL; // the frame deleted itself
}

void CTavoPDropDownToolbarButton::OnCancelMode()
{
    // A cancelled press must not drop the toolbar down when its timer comes.
    StopPressTimer();
    if (m_pWndParent != NULL && ::IsWindow(m_pWndParent->GetSafeHwnd()))
    {
        m_pWndParent->InvalidateRect(m_rect);
        m_pWndParent->UpdateWindow();
    }
}

// ---- menus and customizing ----

BOOL CTavoPDropDownToolbarButton::OnCustomizeMenu(CMenu* pMenu)
{
    if (pMenu == NULL)
        return FALSE;
    const UINT ids[] = {kCustomizeImage, kCustomizeText, kCustomizeImageAndText,
                        kCustomizeAppearance, kCustomizeCopyImage};
    for (UINT uiID : ids)
        ::EnableMenuItem(pMenu->GetSafeHmenu(), uiID, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

BOOL CTavoPDropDownToolbarButton::ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const
{
    if (m_pToolBar == NULL || !CTavoPToolbarButton::ExportToMenuButton(menuButton))
        return FALSE;
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return FALSE;
    const CObList& list = m_pToolBar->GetAllButtons();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)list.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        else if (pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
        {
            CString strText = pButton->m_strText;
            if (strText.IsEmpty())
                strText = CommandTipText(pButton->m_nID);
            ::AppendMenu(hMenu, MF_STRING, pButton->m_nID, strText);
        }
    }
    menuButton.m_nID = 0;
    menuButton.m_strText = m_strName;
    menuButton.SetImage(-1);
    menuButton.m_bImage = FALSE;
    menuButton.CreateFromMenu(hMenu);
    ::DestroyMenu(hMenu);
    return TRUE;
}

int CTavoPDropDownToolbarButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const CString strText = m_strText;
    m_strText = m_strName;
    const int nResult = CTavoPToolbarButton::DrawInCommandList(pDC, rect, bSelected);
    m_strText = strText;
    return nResult;
}

// ---- size and drawing ----

// The fields are set directly: SetImage would register the image with the command.
CTavoPDropDownToolbarButton::ImageFields CTavoPDropDownToolbarButton::ShowCurrentImage()
{
    const ImageFields fields = {m_iImage, m_iUserImage, m_bImage, m_bUserButton};
    m_iImage = m_iSelectedImage;
    m_iUserImage = m_iSelectedImage;
    m_bUserButton = m_bLocalUserButton;
    m_bImage = TRUE;
    return fields;
}

void CTavoPDropDownToolbarButton::RestoreImageFields(const ImageFields& fields)
{
    m_iImage = fields.iImage;
    m_iUserImage = fields.iUserImage;
    m_bImage = fields.bImage;
    m_bUserButton = fields.bUserButton;
}

SIZE CTavoPDropDownToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (m_nID == 0 && m_pToolBar != NULL && m_pToolBar->GetCount() > 0)
        SetCurrentCommand(m_pToolBar->GetItemID(0));

    const ImageFields fields = ShowCurrentImage();
    CSize size = CTavoPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    RestoreImageFields(fields);

    size.cx += CTavoPToolBar::IsLargeIcons() ? 9 : 4;
    return size;
}

void CTavoPDropDownToolbarButton::OnDraw(CDC* pDC, const CRect& rect,
                                         CTavoPToolbarImageList* pImages, BOOL bHorz,
                                         BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                         BOOL bGrayDisabledButtons)
{
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const BOOL bLarge = CTavoPToolBar::IsLargeIcons();
    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;

    pVisManager->OnFillButtonInterior(pDC, this, rect, GetFillState(bCustomizeMode, bHighlight));

    if (m_pToolBar != NULL)
    {
        CTavoPToolbarImageList* pList = NULL;
        CSize sizeImage;
        CRect rectImage = rect;
        if (m_bLocalUserButton)
        {
            pList = CTavoPToolBar::GetUserImages();
            sizeImage = CTavoPToolBar::GetDefaultImageSize();
        }
        else
        {
            pList =
                m_pToolBar->IsLocked() ? &m_pToolBar->m_ImagesLocked : CTavoPToolBar::GetImages();
            if (m_pToolBar->IsLocked())
                sizeImage =
                    bLarge ? m_pToolBar->m_sizeCurImageLocked : m_pToolBar->m_sizeImageLocked;
            else
                sizeImage = CTavoPToolBar::GetDefaultImageSize();
            rectImage.right -= bLarge ? 8 : 4;
        }

        // The bar's own strip may be prepared already; another one is prepared for this image.
        CTavoPDrawState ds;
        const BOOL bPrepare = pList != NULL && pList != pImages;
        if (pList != NULL && (!bPrepare || pList->PrepareDraw(ds, sizeImage)))
        {
            const ImageFields fields = ShowCurrentImage();
            const BOOL bDisableFill = m_bDisableFill;
            m_bDisableFill = TRUE;
            m_bInternalDraw = TRUE;
            CTavoPToolbarButton::OnDraw(pDC, rectImage, pList, bHorz, bCustomizeMode, bHighlight,
                                        FALSE, bGrayDisabledButtons);
            m_bInternalDraw = FALSE;
            m_bDisableFill = bDisableFill;
            RestoreImageFields(fields);
            if (bPrepare)
                pList->EndDraw(ds);
        }
    }

    // The corner triangle that tells the button drops a toolbar down.
    const int h = bLarge ? 14 : 7;
    const int s = bLarge ? 0 : 3;
    const int p = bPressed ? 1 : 0;
    const POINT triangle[3] = {{rect.right - h - 1 + p, rect.bottom - 6 + s + p},
                               {rect.right - 6 + s + p, rect.bottom - 6 + s + p},
                               {rect.right - 6 + s + p, rect.bottom - h - 1 + p}};
    HGDIOBJ hOldBrush =
        ::SelectObject(pDC->GetSafeHdc(), GetGlobalData().brBtnDkShadow.GetSafeHandle());
    HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_PEN));
    ::Polygon(pDC->GetSafeHdc(), triangle, 3);
    ::SelectObject(pDC->GetSafeHdc(), hOldPen);
    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);

    if (bCustomizeMode || !HasHotBorder() || !bDrawBorder)
        return;
    if (m_pPopupMenu != NULL || (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)))
        pVisManager->OnDrawButtonBorder(pDC, this, rect,
                                        m_nID != 0 && m_nID != (UINT)-1 ? TAVOP_BUTTON_PRESSED
                                                                        : TAVOP_BUTTON_HIGHLIGHTED);
    else if (bHighlight && !(m_nStyle & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)))
        pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_HIGHLIGHTED);
}
