#include "ui/commandbars/CCustomizeButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPResourceScope.h"

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
        m_strText.LoadString(16026);
    }
    if (m_pWndParentToolbar != NULL && !m_pWndParentToolbar->IsDocked())
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
