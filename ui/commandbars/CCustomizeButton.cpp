#include "ui/commandbars/CCustomizeButton.h"
#include "res/LibraryIds.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButtonsButton.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CCustomizeButton, CTavoPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CCustomizeButton::CCustomizeButton()
    : m_iCustomizeCmdId(0), m_pWndParentToolbar(NULL), m_bIsEmpty(FALSE)
{}

CCustomizeButton::~CCustomizeButton()
{}

void CCustomizeButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarMenuButton::CopyFrom(src);
    const CCustomizeButton* pSrc = DYNAMIC_DOWNCAST(CCustomizeButton, &src);
    if (pSrc == NULL)
        return;
    m_iCustomizeCmdId = pSrc->m_iCustomizeCmdId;
    m_strCustomizeText = pSrc->m_strCustomizeText;
    m_bIsEmpty = pSrc->m_bIsEmpty;
}

SIZE CCustomizeButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (m_bIsEmpty)
        return CSize(0, 0);
    if (m_strText.IsEmpty())
    {
        CTavoPResourceScope scope;
        m_strText.LoadString(IDS_TAVOP_MORE_BUTTONS);
    }
    if (m_pWndParentToolbar != NULL && m_pWndParentToolbar->IsFloating())
        return CSize(0, 0);
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    return bHorz ? CSize(sizeGlyph.cx + 9, sizeDefault.cy)
                 : CSize(sizeDefault.cx, sizeGlyph.cy + 9);
}

void CCustomizeButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pWndParentToolbar = DYNAMIC_DOWNCAST(CTavoPToolBar, pWndParent);
    m_bText = FALSE;
    m_bIsEmpty = FALSE;
}

// ---- drawing ----

void CCustomizeButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* /*pImages*/,
                              BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                              BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    if (m_pWndParent != NULL && m_pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
        return;

    CRect rectButton = rect;
    if (bHorz)
        rectButton.left += 5;
    else
        rectButton.top += 5;
    bHighlight = bHighlight || IsDroppedDown();

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    pVisManager->OnFillButtonInterior(pDC, this, rectButton,
                                      GetFillState(bCustomizeMode, bHighlight));

    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    if (m_iCustomizeCmdId > 0)
    {
        // The drop arrow sits along the bottom of a horizontal bar, the left of a vertical one.
        CRect rectArrow = rectButton;
        if (bHorz)
            rectArrow.top = rectArrow.bottom - sizeGlyph.cy - 4;
        else
            rectArrow.right = rectArrow.left + sizeGlyph.cx + 4;
        CTavoPMenuGlyphImages::Draw(
            pDC, bHorz ? CTavoPMenuGlyphImages::IdArowDown : CTavoPMenuGlyphImages::IdArowLeft,
            rectArrow);
    }
    if (!m_lstInvisibleButtons.IsEmpty())
    {
        // The chevron takes the other end: the top of a horizontal bar, the right of a vertical.
        CRect rectChevron = rectButton;
        if (bHorz)
            rectChevron.bottom = rectChevron.top + sizeGlyph.cy + 4;
        else
            rectChevron.left = rectChevron.right - sizeGlyph.cx - 4;
        CTavoPMenuGlyphImages::Draw(pDC,
                                    bHorz ? CTavoPMenuGlyphImages::IdMoreButtons
                                          : CTavoPMenuGlyphImages::IdArowShowAll,
                                    rectChevron);
    }

    if (bCustomizeMode)
        return;
    if ((m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) || IsDroppedDown())
        pVisManager->OnDrawButtonBorder(pDC, this, rectButton, TAVOP_BUTTON_PRESSED);
    else if (bHighlight && !(m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)))
        pVisManager->OnDrawButtonBorder(pDC, this, rectButton, TAVOP_BUTTON_HIGHLIGHTED);
}

// ---- the popup of hidden buttons ----

namespace {

// The tip part of a command's string resource: after the first "\n", up to the next one.
CString CommandTipText(UINT uiCmd)
{
    CString strMessage;
    if (uiCmd == 0 || uiCmd == (UINT)-1 || !strMessage.LoadString(uiCmd))
        return CString();
    const int nNewLine = strMessage.Find(_T('\n'));
    if (nNewLine < 0)
        return CString();
    CString strTip = strMessage.Mid(nNewLine + 1);
    const int nNext = strTip.Find(_T('\n'));
    return nNext < 0 ? strTip : strTip.Left(nNext);
}

BOOL IsWindowButtonsButton(const CTavoPToolbarButton* pButton)
{
    return pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButtonsButton));
}

} // namespace

CTavoPPopupMenu* CCustomizeButton::CreatePopupMenu()
{
    CTavoPPopupMenu* pMenu = CTavoPToolbarMenuButton::CreatePopupMenu();
    if (pMenu == NULL)
        return NULL;
    const BOOL bImages = m_pWndParentToolbar != NULL && !m_pWndParentToolbar->IsLocked();

    // Separators before the first item and after the last one are dropped.
    BOOL bHasItems = FALSE;
    BOOL bSeparatorPending = FALSE;
    for (POSITION pos = m_lstInvisibleButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_lstInvisibleButtons.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            bSeparatorPending = bHasItems;
            continue;
        }
        if (bSeparatorPending)
        {
            pMenu->InsertSeparator();
            bSeparatorPending = FALSE;
        }

        int iIndex = -1;
        if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton)))
            iIndex = pMenu->InsertItem(*pButton);
        else if (pButton->m_nID != 0)
        {
            CTavoPToolbarMenuButton item(pButton->m_nID, NULL, bImages ? pButton->GetImage() : -1,
                                         pButton->m_strText, pButton->m_bUserButton);
            iIndex = pMenu->InsertItem(item);
        }
        else
        {
            pMenu->InsertSeparator();
            continue;
        }
        CTavoPToolbarButton* pItem = pMenu->GetMenuItem(iIndex);
        if (pItem == NULL)
            continue;
        bHasItems = TRUE;
        if (pItem->m_strText.IsEmpty() || IsWindowButtonsButton(pButton))
            pItem->m_strText = CommandTipText(pItem->m_nID);
        pItem->m_bText = TRUE;
    }

    if (m_iCustomizeCmdId > 0)
    {
        if (bHasItems)
            pMenu->InsertSeparator();
        CTavoPToolbarMenuButton item((UINT)m_iCustomizeCmdId, NULL, -1, m_strCustomizeText);
        pMenu->InsertItem(item);
    }

    CWnd* pTarget = NULL;
    if (m_pWndParentToolbar != NULL && m_pWndParentToolbar->GetSafeHwnd() != NULL)
    {
        pTarget = m_pWndParentToolbar->GetOwner();
        if (pTarget == NULL)
            pTarget = m_pWndParentToolbar->GetParent();
    }
    pMenu->SetMessageWnd(pTarget);
    return pMenu;
}
