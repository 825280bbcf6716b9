#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_DYNAMIC(CTavoPCaptionButton, CObject)

CTavoPCaptionButton::CTavoPCaptionButton()
    : m_bPushed(FALSE), m_bFocused(FALSE), m_bHidden(FALSE), m_nHit(0), m_ptOrg(0, 0)
{}

CTavoPCaptionButton::~CTavoPCaptionButton()
{}

CSize CTavoPCaptionButton::GetSize()
{
    CTavoPMenuGlyphImages::Initialize();
    const int nMargin = 2 * CTavoPDockingControlBar::m_nCaptionButtonMargin;
    return CTavoPMenuGlyphImages::Size() + CSize(nMargin, nMargin) +
           CTavoPVisualManager::GetInstance()->GetButtonExtraSize();
}

void CTavoPCaptionButton::OnDraw(CDC* pDC, BOOL bActive, BOOL bHorz, BOOL bPinned)
{
    if (m_bHidden)
        return;
    CTavoPVisualManager::GetInstance()->OnDrawCaptionButton(pDC, this, bActive, bHorz, bPinned,
                                                            FALSE);
}
