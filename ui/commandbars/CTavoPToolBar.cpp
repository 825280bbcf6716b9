#include <algorithm>
#include "ui/commandbars/CTavoPToolBar.h"
#include "res/LibraryIds.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

BEGIN_MESSAGE_MAP(CTavoPToolBar, CTavoPBaseToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SETTINGCHANGE()
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_RESET, OnToolbarReset)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_COPY_IMAGE, OnCopyImage)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_DELETE, OnToolbarDelete)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_APPEARANCE, OnToolbarAppearance)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_IMAGE, OnToolbarImage)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_TEXT, OnToolbarText)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, OnToolbarImageAndText)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_START_GROUP, OnToolbarStartGroup)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_NEW_MENU, OnToolbarNewMenuButton)
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_MESSAGE(TB_BUTTONCOUNT, OnButtonCount)
    ON_MESSAGE(TB_GETITEMRECT, OnGetItemRect)
    ON_MESSAGE(TB_GETBUTTON, OnGetButton)
    ON_MESSAGE(TB_GETBUTTONTEXT, OnGetButtonText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedTipText)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPToolBar, CTavoPBaseToolBar, VERSIONABLE_SCHEMA | 1)

CTavoPToolBar::CTavoPToolBar()
    : m_bDrawBorder(TRUE), m_bGrayDisabledButtons(TRUE), m_bNoTextUpdate(FALSE),
      m_bUpdateDialogControls(TRUE), m_bRouteToOwner(TRUE), m_bLocked(FALSE),
      m_bLargeIconsAreEnbaled(TRUE), m_Impl(this), m_bTextLabels(FALSE), m_bDrawTextLabels(FALSE),
      m_nMaxBtnHeight(0), m_sizeButtonLocked(23, 22), m_sizeImageLocked(16, 15),
      m_sizeCurButtonLocked(23, 22), m_sizeCurImageLocked(16, 15), m_iButtonCapture(-1),
      m_iHighlighted(-1), m_iSelected(-1), m_iHot(-1), m_bResourceWasChanged(FALSE),
      m_bStoredListDamaged(FALSE), m_bToolTipOnDemand(FALSE), m_iDragIndex(-1),
      m_rectDrag(0, 0, 0, 0), m_pDragButton(NULL), m_ptStartDrag(-1, -1), m_bIsDragCopy(FALSE),
      m_bStretchButton(FALSE), m_rectTrack(0, 0, 0, 0), m_iImagesOffset(0), m_uiOriginalResID(0),
      m_bTracked(FALSE), m_ptLastMouse(-1, -1), m_bMenuMode(FALSE), m_hwndLastCapture(NULL),
      m_hwndLastFocus(NULL), m_rectGripper(0, 0, 0, 0), m_nMaxLen(0), m_pCustomizeBtn(NULL),
      m_sizeLast(0, 0), m_pLayoutPass(NULL)
{}

CTavoPToolBar::~CTavoPToolBar()
{
    // A bar whose window went without telling it must not stay listed once it is gone.
    CObList& list = LiveToolbars();
    POSITION pos = list.Find(this);
    if (pos != NULL)
        list.RemoveAt(pos);
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();
    RemoveAllButtons();
    m_AcellKeys.RemoveAll();
}

// ---- creation ----

BOOL CTavoPToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CTavoPToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                             UINT nID)
{
    SetBorders(std::max((int)rcBorders.left, 1), std::max((int)rcBorders.top, 1), rcBorders.right,
               rcBorders.bottom);

    DWORD dwBarStyle = (dwStyle & 0xFFFF) | CBRS_GRIPPER;
    if (nID == AFX_IDW_TOOLBAR)
        dwBarStyle |= CBRS_HIDE_INPLACE;
    SetBarStyle(dwBarStyle);
    SetCurrentAlignment(dwBarStyle);

    CString strClassName;
    strClassName.Format(_T("TavoToolBar:%x:%x:%x:%x"), (unsigned)(UINT_PTR)AfxGetInstanceHandle(),
                        (unsigned)CS_DBLCLKS, (unsigned)(UINT_PTR)::LoadCursor(NULL, IDC_ARROW),
                        (unsigned)(COLOR_BTNFACE + 1));
    WNDCLASS wndcls;
    if (!::GetClassInfo(AfxGetInstanceHandle(), strClassName, &wndcls))
    {
        memset(&wndcls, 0, sizeof(wndcls));
        wndcls.style = CS_DBLCLKS;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = AfxGetInstanceHandle();
        wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wndcls.hbrBackground = (HBRUSH)(UINT_PTR)(COLOR_BTNFACE + 1);
        wndcls.lpszClassName = strClassName;
        if (!::RegisterClass(&wndcls))
            AfxThrowResourceException();
    }

    const DWORD dwWindowStyle =
        (dwCtrlStyle | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | (dwStyle & 0xFFBF0000)) &
        ~(DWORD)CCS_TOP;
    if (!CTavoPBaseToolBar::CreateEx(0, strClassName, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd,
                                     nID))
        return FALSE;
    return GetSafeHwnd() != NULL;
}

int CTavoPToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPBaseToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_hcurSizeAll == NULL)
    {
        m_hcurStretch = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_TAVOP_STRETCH));
        m_hcurSizeAll = ::LoadCursor(NULL, IDC_SIZEALL);
    }
    if (AfxOleIsInitialized())
        m_DropTarget.Register(this);
    m_penDrag.CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnText);
    if (!m_bToolTipOnDemand)
    {
        m_wndToolTip.Create(this, TTS_ALWAYSTIP);
        m_wndToolTip.Activate(TRUE);
    }
    LiveToolbars().AddTail(this);
    return 0;
}

void CTavoPToolBar::OnDestroy()
{
    m_DropTarget.Revoke();
    m_penDrag.DeleteObject();
    m_wndToolTip.DestroyWindow();
    m_tooltipRects.clear();
    CTavoPBaseToolBar::OnDestroy();
    if (m_pSelToolbar == this)
        m_pSelToolbar = NULL;
    CObList& list = LiveToolbars();
    POSITION pos = list.Find(this);
    if (pos != NULL)
        list.RemoveAt(pos);
}

// ---- resources and images ----

// A load of the small strips only.
static CTavoPToolBarParams SmallParams(UINT uiHotResID, UINT uiColdResID, UINT uiMenuResID,
                                       UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    CTavoPToolBarParams params = {};
    params.m_uiColdResID = uiColdResID;
    params.m_uiHotResID = uiHotResID;
    params.m_uiDisabledResID = uiDisabledResID;
    params.m_uiMenuResID = uiMenuResID;
    params.m_uiMenuDisabledResID = uiMenuDisabledResID;
    return params;
}

BOOL CTavoPToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                               UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    CTavoPToolBarParams params =
        SmallParams(uiResID, uiColdResID, uiMenuResID, uiDisabledResID, uiMenuDisabledResID);
    return LoadBitmapEx(params, bLocked);
}

BOOL CTavoPToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                                UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    CTavoPToolBarParams params =
        SmallParams(uiHotResID, uiColdResID, uiMenuResID, uiDisabledResID, uiMenuDisabledResID);
    return LoadToolBarEx(uiResID, params, bLocked);
}

BOOL CTavoPToolBar::LoadBitmapEx(CTavoPToolBarParams& params, BOOL bLocked)
{
    m_bLocked = bLocked;
    HINSTANCE hinst = AfxGetResourceHandle();
    struct Load
    {
        UINT uiResID;
        CTavoPToolbarImageList* pImages;
    };
    if (m_bLocked)
    {
        const Load loads[] = {{params.m_uiHotResID, &m_ImagesLocked},
                              {params.m_uiColdResID, &m_ColdImagesLocked},
                              {params.m_uiDisabledResID, &m_DisabledImagesLocked},
                              {params.m_uiLargeHotResID, &m_LargeImagesLocked},
                              {params.m_uiLargeColdResID, &m_LargeColdImagesLocked},
                              {params.m_uiLargeDisabledResID, &m_LargeDisabledImagesLocked},
                              {params.m_uiMenuResID, &m_MenuImagesLocked},
                              {params.m_uiMenuDisabledResID, &m_DisabledMenuImagesLocked}};
        for (const Load& load : loads)
            if (load.uiResID != 0 && !load.pImages->Load(load.uiResID, hinst, TRUE))
                return FALSE;
        return TRUE;
    }

    if (params.m_uiHotResID != 0)
    {
        if (!GetImages()->Load(params.m_uiHotResID, hinst, TRUE))
            return FALSE;
        m_iImagesOffset = GetImages()->GetResourceOffset(params.m_uiHotResID);
    }
    const Load loads[] = {{params.m_uiColdResID, &SharedImages(StripCold)},
                          {params.m_uiMenuResID, &SharedImages(StripMenu)},
                          {params.m_uiDisabledResID, &SharedImages(StripDisabled)},
                          {params.m_uiMenuDisabledResID, &SharedImages(StripMenuDisabled)},
                          {params.m_uiLargeHotResID, &SharedImages(StripLarge)},
                          {params.m_uiLargeColdResID, &SharedImages(StripLargeCold)},
                          {params.m_uiLargeDisabledResID, &SharedImages(StripLargeDisabled)}};
    for (const Load& load : loads)
        if (load.uiResID != 0 && !load.pImages->Load(load.uiResID, hinst, TRUE))
            return FALSE;
    return TRUE;
}

BOOL CTavoPToolBar::LoadToolBarEx(UINT uiToolbarResID, CTavoPToolBarParams& params, BOOL bLocked)
{
    HINSTANCE hinst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResource(hinst, MAKEINTRESOURCE(uiToolbarResID), MAKEINTRESOURCE(241));
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hinst, hRsrc);
    if (hGlobal == NULL)
        return FALSE;
    const WORD* pData = (const WORD*)::LockResource(hGlobal);
    const DWORD dwSize = ::SizeofResource(hinst, hRsrc);
    // A resource shorter than its own item count says, or with no image size, is not a toolbar.
    if (pData == NULL || dwSize < 4 * sizeof(WORD))
        return FALSE;
    const int nWidth = pData[1];
    const int nHeight = pData[2];
    const int nCount = pData[3];
    if (nWidth == 0 || nHeight == 0 || dwSize < (DWORD)(4 + nCount) * sizeof(WORD))
        return FALSE;

    if (bLocked)
        SetLockedSizes(CSize(nWidth + 6, nHeight + 6), CSize(nWidth, nHeight));
    else
        SetSizes(CSize(nWidth + 6, nHeight + 6), CSize(nWidth, nHeight));

    if (params.m_uiHotResID == 0)
        params.m_uiHotResID = uiToolbarResID;

    if (m_uiOriginalResID == 0)
    {
        // Buttons without their images would show nothing: a failed bitmap fails the load.
        if (!LoadBitmapEx(params, bLocked))
            return FALSE;
    }

    std::vector<UINT> ids((size_t)nCount);
    int iImage = m_iImagesOffset;
    for (int i = 0; i < nCount; i++)
    {
        ids[i] = pData[4 + i];
        if (ids[i] != 0 && !m_bLocked)
            DefaultImages().SetAt(ids[i], iImage++);
    }

    m_uiOriginalResID = uiToolbarResID;
    const BOOL bResult = SetButtons(ids.data(), nCount, TRUE);
    if (!bResult)
        m_uiOriginalResID = 0;
    return bResult;
}

void CTavoPToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = m_sizeCurButton = sizeButton;
    m_sizeImage = m_sizeCurImage = sizeImage;
    SharedImages(StripNormal).SetImageSize(sizeImage);
    SharedImages(StripCold).SetImageSize(sizeImage);
    SharedImages(StripDisabled).SetImageSize(sizeImage);
    const CSize sizeLarge(sizeImage.cx * 2, sizeImage.cy * 2);
    SharedImages(StripLarge).SetImageSize(sizeLarge);
    SharedImages(StripLargeCold).SetImageSize(sizeLarge);
    SharedImages(StripLargeDisabled).SetImageSize(sizeLarge);
    if (m_pUserImages != NULL)
        m_pUserImages->SetImageSize(sizeImage);
    if (m_bLargeIcons)
    {
        m_sizeCurButton = CSize(sizeButton.cx * 2, sizeButton.cy * 2);
        m_sizeCurImage = sizeLarge;
    }
}

void CTavoPToolBar::SetLockedSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButtonLocked = m_sizeCurButtonLocked = sizeButton;
    m_sizeImageLocked = m_sizeCurImageLocked = sizeImage;
    m_ImagesLocked.SetImageSize(sizeImage);
    m_ColdImagesLocked.SetImageSize(sizeImage);
    m_DisabledImagesLocked.SetImageSize(sizeImage);
    const CSize sizeLarge(sizeImage.cx * 2, sizeImage.cy * 2);
    m_LargeImagesLocked.SetImageSize(sizeLarge);
    m_LargeColdImagesLocked.SetImageSize(sizeLarge);
    m_LargeDisabledImagesLocked.SetImageSize(sizeLarge);
    if (m_bLargeIcons)
    {
        m_sizeCurButtonLocked = CSize(sizeButton.cx * 2, sizeButton.cy * 2);
        m_sizeCurImageLocked = sizeLarge;
    }
}

void CTavoPToolBar::SetLargeIcons(BOOL bLargeIcons)
{
    m_bLargeIcons = bLargeIcons;
    GetGlobalData().m_bLargeIcons = bLargeIcons;
    const int nFactor = bLargeIcons ? 2 : 1;
    m_sizeCurButton = CSize(m_sizeButton.cx * nFactor, m_sizeButton.cy * nFactor);
    m_sizeCurImage = CSize(m_sizeImage.cx * nFactor, m_sizeImage.cy * nFactor);

    const CObList& list = LiveToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)list.GetNext(pos);
        if (!::IsWindow(pBar->GetSafeHwnd()))
            continue;
        if (pBar->m_bLocked)
        {
            pBar->m_sizeCurButtonLocked =
                CSize(pBar->m_sizeButtonLocked.cx * nFactor, pBar->m_sizeButtonLocked.cy * nFactor);
            pBar->m_sizeCurImageLocked =
                CSize(pBar->m_sizeImageLocked.cx * nFactor, pBar->m_sizeImageLocked.cy * nFactor);
        }
        pBar->AdjustLayout();
    }
}

CSize CTavoPToolBar::GetMenuImageSize()
{
    return m_sizeMenuImage.cx == -1 ? m_sizeImage : m_sizeMenuImage;
}

COLORREF CTavoPToolBar::GetDefaultTextColor()
{
    return m_clrTextHot == (COLORREF)-1 ? GetGlobalData().clrBtnText : m_clrTextHot;
}

void CTavoPToolBar::ResetAllImages()
{
    for (int i = 0; i < StripCount; i++)
        SharedImages(i).Clear();
    DefaultImages().RemoveAll();
    GetCommandUsage().RemoveAll();
}

int CTavoPToolBar::GetDefaultImage(UINT uiID)
{
    int iImage = -1;
    return DefaultImages().Lookup(uiID, iImage) ? iImage : -1;
}

void CTavoPToolBar::RefreshButtonImages()
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        ((CTavoPToolbarButton*)m_Buttons.GetNext(pos))->ResetImageToDefault();
    if (IsFloating())
        AdjustLayout();
}

CSize CTavoPToolBar::GetButtonSize() const
{
    if (m_bLocked)
        return m_bLargeIconsAreEnbaled ? m_sizeCurButtonLocked : m_sizeButtonLocked;
    return m_bLargeIconsAreEnbaled ? m_sizeCurButton : m_sizeButton;
}

CSize CTavoPToolBar::GetImageSize() const
{
    if (m_bLocked)
        return m_bLargeIconsAreEnbaled ? m_sizeCurImageLocked : m_sizeImageLocked;
    return m_bLargeIconsAreEnbaled ? m_sizeCurImage : m_sizeImage;
}

// ---- the button list ----

int CTavoPToolBar::InsertButton(CTavoPToolbarButton* pButton, int iInsertAt)
{
    if (pButton == NULL || UnpermittedCommands().Find(pButton->m_nID) != NULL)
        return -1;
    const int nCount = GetCount();
    if (iInsertAt != -1 && (iInsertAt < 0 || iInsertAt > nCount))
        return -1;
    if (iInsertAt != -1 && iInsertAt < nCount)
    {
        m_Buttons.InsertBefore(m_Buttons.FindIndex(iInsertAt), pButton);
        pButton->OnChangeParentWnd(this);
        return iInsertAt;
    }
    if (m_pCustomizeBtn != NULL && nCount > 0)
    {
        m_Buttons.InsertBefore(m_Buttons.GetTailPosition(), pButton);
        pButton->OnChangeParentWnd(this);
        return nCount - 1;
    }
    m_Buttons.AddTail(pButton);
    pButton->OnChangeParentWnd(this);
    return nCount;
}

int CTavoPToolBar::InsertButtonCopy(const CTavoPToolbarButton& button, int iInsertAt)
{
    CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)button.GetRuntimeClass()->CreateObject();
    if (pButton == NULL)
        return -1;
    pButton->CopyFrom(button);
    const int iIndex = InsertButton(pButton, iInsertAt);
    if (iIndex < 0)
        delete pButton;
    return iIndex;
}

int CTavoPToolBar::InsertSeparator(int iInsertAt)
{
    if (GetCount() == 0 || iInsertAt == 0)
        return -1;
    CTavoPToolbarButton* pButton = new CTavoPToolbarButton;
    pButton->m_nStyle = TBBS_SEPARATOR;
    const int iIndex = InsertButton(pButton, iInsertAt);
    if (iIndex < 0)
        delete pButton;
    return iIndex;
}

static int ShiftIndex(int iIndex, int iRemoved)
{
    if (iIndex == iRemoved)
        return -1;
    return iIndex > iRemoved ? iIndex - 1 : iIndex;
}

BOOL CTavoPToolBar::RemoveButton(int iIndex)
{
    POSITION pos = iIndex < 0 ? NULL : m_Buttons.FindIndex(iIndex);
    if (pos == NULL)
        return FALSE;
    if (m_pCustomizeBtn != NULL && iIndex == GetCount() - 1)
        return FALSE;

    CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetAt(pos);
    m_Buttons.RemoveAt(pos);
    pButton->OnCancelMode();
    delete pButton;

    m_iSelected = ShiftIndex(m_iSelected, iIndex);
    m_iButtonCapture = ShiftIndex(m_iButtonCapture, iIndex);
    const int iHot = ShiftIndex(m_iHighlighted, iIndex);
    m_iHighlighted = iHot;
    m_iHot = ShiftIndex(m_iHot, iIndex);
    SelectButton(iHot);

    while (!m_Buttons.IsEmpty() &&
           (((CTavoPToolbarButton*)m_Buttons.GetTail())->m_nStyle & TBBS_SEPARATOR))
        delete m_Buttons.RemoveTail();

    if (iIndex > 0 && iIndex < GetCount())
    {
        CTavoPToolbarButton* pPrev = GetButton(iIndex - 1);
        CTavoPToolbarButton* pNext = GetButton(iIndex);
        if ((pPrev->m_nStyle & TBBS_SEPARATOR) && (pNext->m_nStyle & TBBS_SEPARATOR))
            RemoveButton(iIndex);
    }
    RebuildMnemonics();
    return TRUE;
}

void CTavoPToolBar::RemoveAllButtons()
{
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    while (!m_Buttons.IsEmpty())
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.RemoveHead();
        pButton->OnCancelMode();
        delete pButton;
    }
    m_pCustomizeBtn = NULL;
}

void CTavoPToolBar::AppendCustomizeButton(CCustomizeButton* pButton)
{
    if (pButton == NULL)
        return;
    m_Buttons.AddTail(pButton);
    pButton->OnChangeParentWnd(this);
    m_pCustomizeBtn = pButton;
}

void CTavoPToolBar::RemoveAllButtonsButCustomize()
{
    CCustomizeButton* pCustomize = m_pCustomizeBtn;
    if (pCustomize != NULL && !m_Buttons.IsEmpty() && m_Buttons.GetTail() == pCustomize)
        m_Buttons.RemoveTail();
    else
        pCustomize = NULL;
    RemoveAllButtons();
    AppendCustomizeButton(pCustomize);
}

BOOL CTavoPToolBar::SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages)
{
    CCustomizeButton* pCustomizeCopy = NULL;
    if (m_pCustomizeBtn != NULL)
    {
        pCustomizeCopy = new CCustomizeButton;
        pCustomizeCopy->CopyFrom(*m_pCustomizeBtn);
    }
    RemoveAllButtons();
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();

    if (lpIDArray == NULL)
    {
        delete pCustomizeCopy;
        return TRUE;
    }

    int iImage = m_iImagesOffset;
    for (int i = 0; i < nIDCount; i++)
    {
        const UINT uiID = lpIDArray[i];
        CTavoPToolbarButton* pOrig = new CTavoPToolbarButton;
        pOrig->m_nID = uiID;
        if (uiID == 0)
            pOrig->m_nStyle = TBBS_SEPARATOR;
        m_OrigButtons.AddTail(pOrig);

        if (uiID == 0)
        {
            InsertSeparator();
            continue;
        }
        if (bRemapImages)
        {
            CTavoPToolbarButton button(uiID, iImage, NULL, FALSE, m_bLocked);
            if (InsertButtonCopy(button) >= 0 && !m_bLocked)
                DefaultImages().SetAt(uiID, iImage);
            iImage++;
        }
        else
        {
            int iDefault = -1;
            if (DefaultImages().Lookup(uiID, iDefault))
                InsertButtonCopy(CTavoPToolbarButton(uiID, iDefault, NULL, FALSE, m_bLocked));
        }
    }

    AppendCustomizeButton(pCustomizeCopy);

    if (GetSafeHwnd() != NULL)
    {
        OnReset();
        CWnd* pTarget = GetDockSiteFrame();
        if (pTarget == NULL)
            pTarget = GetParent();
        if (pTarget != NULL)
            pTarget->SendMessage(WM_TAVOTOOLBAR_RESETTOOLBAR, (WPARAM)m_uiOriginalResID, 0);
    }
    return TRUE;
}

void CTavoPToolBar::SetButtonTextImage(int iIndex, LPCTSTR lpszText, BOOL bShowText,
                                       BOOL bShowImage)
{
    CTavoPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == NULL)
        return;
    if (bShowText)
    {
        if (lpszText != NULL)
            pButton->m_strText = lpszText;
        else
            SetDefaultButtonText(pButton);
    }
    pButton->m_bText = bShowText;
    pButton->m_bImage = bShowImage;
}

BOOL CTavoPToolBar::RestoreOriginalState()
{
    if (m_uiOriginalResID == 0)
        return FALSE;
    const BOOL bResult = LoadToolBar(m_uiOriginalResID, 0, 0, FALSE);
    AdjustLayout();
    Invalidate();
    return bResult;
}

BOOL CTavoPToolBar::SetDefaultButtonText(CTavoPToolbarButton* pButton)
{
    if (pButton == NULL || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        return FALSE;
    CString strMessage;
    if (!strMessage.LoadString(pButton->m_nID))
        return FALSE;
    strMessage = strMessage.Left(256);
    const int nNewLine = strMessage.Find(_T('\n'));
    if (nNewLine < 0)
        return FALSE;
    CString strTip = strMessage.Mid(nNewLine + 1);
    const int nNext = strTip.Find(_T('\n'));
    if (nNext >= 0)
        strTip = strTip.Left(nNext);
    if (strTip.IsEmpty())
        return FALSE;
    pButton->m_strText = strTip;
    return TRUE;
}

void CTavoPToolBar::RebuildMnemonics()
{
    m_AcellKeys.RemoveAll();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if ((pButton->m_nStyle & TBBS_SEPARATOR) || !pButton->m_bText)
            continue;
        const int iAmp = pButton->m_strText.Find(_T('&'));
        if (iAmp < 0 || iAmp == pButton->m_strText.GetLength() - 1)
            continue;
        const UINT uiChar =
            (UINT)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)pButton->m_strText[iAmp + 1]);
        m_AcellKeys.SetAt(uiChar, pButton);
    }
}

// ---- process-wide lookups ----

const CObList& CTavoPToolBar::GetAllToolbars()
{
    return LiveToolbars();
}

int CTavoPToolBar::GetCommandButtons(UINT uiCmd, CObList& listButtons)
{
    listButtons.RemoveAll();
    if (uiCmd == 0)
        return 0;
    const CObList& list = LiveToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)list.GetNext(pos);
        if (!::IsWindow(pBar->GetSafeHwnd()))
            continue;
        for (POSITION posButton = pBar->m_Buttons.GetHeadPosition(); posButton != NULL;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)pBar->m_Buttons.GetNext(posButton);
            if (pButton->m_nID == uiCmd)
                listButtons.AddTail(pButton);
        }
    }
    return (int)listButtons.GetCount();
}

void CTavoPToolBar::AddBasicCommand(UINT uiCmd)
{
    if (BasicCommands().Find(uiCmd) == NULL)
        BasicCommands().AddTail(uiCmd);
}

BOOL CTavoPToolBar::IsBasicCommand(UINT uiCmd)
{
    return BasicCommands().Find(uiCmd) != NULL;
}

BOOL CTavoPToolBar::IsCommandRarelyUsed(UINT uiCmd)
{
    if (m_bCustomizeMode || uiCmd == 0 || uiCmd == (UINT)-1 ||
        (uiCmd >= 0xE110 && uiCmd <= 0xE11F) || (uiCmd >= 0xF000 && uiCmd <= 0xF1EF) ||
        uiCmd > 0xFEFF || (uiCmd >= 0xE210 && uiCmd <= 0xE21F))
        return FALSE;
    // Without basic commands there is no shortened menu, so nothing is hidden.
    if (BasicCommands().IsEmpty() || IsBasicCommand(uiCmd))
        return FALSE;
    const CTavoPCommandUsage& usage = GetCommandUsage();
    return usage.IsCounted(uiCmd) && !usage.IsFrequent(uiCmd);
}

void CTavoPToolBar::AddCommandUsage(UINT uiCommand)
{
    GetCommandUsage().AddUsage(uiCommand);
}

static BOOL IsLibraryFrame(const CFrameWnd* pFrame)
{
    return pFrame != NULL && (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPFrameWnd)) ||
                              pFrame->IsKindOf(RUNTIME_CLASS(CTavoPMDIFrameWnd)) ||
                              pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleIPFrameWnd)) ||
                              pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleDocIPFrameWnd)));
}

BOOL CTavoPToolBar::SetCustomizeMode(BOOL bSet)
{
    if (bSet == m_bCustomizeMode)
        return FALSE;
    CObList& list = LiveToolbars();
    // Resetting a bar may close popup menus and with them their bars: the walk starts again
    // over the changed list (a bar already reset takes no harm from a second reset).
    for (int nWalks = 0; nWalks < 64; nWalks++)
    {
        const INT_PTR nCount = list.GetCount();
        BOOL bChanged = FALSE;
        for (POSITION pos = list.GetHeadPosition(); pos != NULL && !bChanged;)
        {
            CTavoPToolBar* pBar = (CTavoPToolBar*)list.GetNext(pos);
            if (::IsWindow(pBar->GetSafeHwnd()))
                pBar->ResetButtonStates(bSet);
            bChanged = list.GetCount() != nCount;
        }
        if (!bChanged)
            break;
    }
    m_bCustomizeMode = bSet;
    BOOL bFrameDone = FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)list.GetNext(pos);
        if (!::IsWindow(pBar->GetSafeHwnd()))
            continue;
        pBar->AdjustLayout();
        CFrameWnd* pFrame = pBar->GetDockSiteFrame();
        if (!bFrameDone && IsLibraryFrame(pFrame) && ::IsWindow(pFrame->GetSafeHwnd()))
        {
            pFrame->RecalcLayout();
            bFrameDone = TRUE;
        }
        pBar->RedrawWindow(NULL, NULL,
                           RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    }
    if (!bSet)
        m_pSelToolbar = NULL;
    return TRUE;
}

void CTavoPToolBar::ResetButtonStates(BOOL bCustomizing)
{
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        pButton->OnCancelMode();
        if ((pButton->m_nStyle & TBBS_DISABLED) == 0)
            pButton->EnableWindow(!bCustomizing);
    }
}

void CTavoPToolBar::EnableDocking(DWORD dwAlignment)
{
    CTavoPBaseToolBar::EnableDocking(dwAlignment);
}
