#include "ui/controls/outlook/CTavoPOutlookButton.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

IMPLEMENT_SERIAL(CTavoPOutlookButton, CTavoPToolbarButton, VERSIONABLE_SCHEMA | 1)

// Room kept around the image and under the label.
static const int kImageTop = 5;
static const int kImageToLabel = 2;
static const int kBottomMargin = 10;

CTavoPOutlookButton::CTavoPOutlookButton()
    : m_nMinWidth(0), m_nMinHeight(0), m_pWndParentBar(NULL), m_bIsWholeText(TRUE)
{}

CTavoPOutlookButton::~CTavoPOutlookButton()
{}

BOOL CTavoPOutlookButton::CanBeDropped(CWnd* pToolbar)
{
    return pToolbar != NULL && pToolbar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBarPane));
}

BOOL CTavoPOutlookButton::IsInOleData(COleDataObject* pDataObject)
{
    CTavoPToolbarButton* pButton = CTavoPToolbarButton::CreateFromOleData(pDataObject);
    const BOOL bOutlookButton =
        pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton));
    delete pButton;
    return bOutlookButton;
}

void CTavoPOutlookButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pWndParentBar = DYNAMIC_DOWNCAST(CTavoPOutlookBarPane, pWndParent);
}

void CTavoPOutlookButton::SetImage(int iImage)
{
    if (m_bUserButton)
        m_iUserImage = iImage;
    else
        m_iImage = iImage;
}

CSize CTavoPOutlookButton::GetImageSize() const
{
    if (!m_bImage || GetImage() < 0)
        return CSize(0, 0);
    const CTavoPToolbarImageList& images = CTavoPOutlookBarPane::GetImages();
    return GetImage() < images.GetCount() ? images.GetImageSize() : CSize(0, 0);
}

SIZE CTavoPOutlookButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    const BOOL bShowText = m_bText && !m_strText.IsEmpty();
    if (!bHorz)
    {
        // The label wraps within the width less three spaces, so that it never touches the
        // pane's edges.
        const int nAvailable = std::max(1, (int)(sizeDefault.cx - 3 * pDC->GetTextExtent(" ").cx));
        CRect rectText(0, 0, nAvailable, 0);
        if (bShowText)
            pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK);
        else
            rectText.SetRectEmpty();
        m_nTextWidth = rectText.Width();
        m_nTextHeight = rectText.Height();
        m_bIsWholeText = sizeDefault.cx >= rectText.Width();
        const CSize sizeImage = GetImageSize();
        int cx = std::max(m_nMinWidth, std::min((int)sizeDefault.cx, (int)rectText.Width()));
        // The image and its frame are never cut.
        if (sizeImage.cx > 0)
            cx = std::max(cx, (int)sizeImage.cx + 6);
        const int cy = sizeDefault.cy +
                       (sizeImage.cy > 0 ? kImageTop + sizeImage.cy + kImageToLabel : 0) +
                       rectText.Height() + kBottomMargin;
        return CSize(cx, cy);
    }

    // Beside the image the label widens until it needs no more lines than the button is tall.
    CRect rectText(0, 0, 0, 0);
    if (bShowText)
    {
        const int nFull = pDC->GetTextExtent(m_strText).cx;
        for (int nWidth = std::max(8, nFull / 8);; nWidth += 8)
        {
            rectText.SetRect(0, 0, nWidth, 0);
            pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK);
            if (rectText.Height() <= sizeDefault.cy || nWidth >= nFull)
                break;
        }
    }
    m_nTextWidth = rectText.Width();
    m_nTextHeight = rectText.Height();
    m_bIsWholeText = TRUE;
    const int cy = std::max(m_nMinHeight, std::min((int)sizeDefault.cy, (int)rectText.Height()));
    return CSize(sizeDefault.cx + rectText.Width() + 10,
                 std::max(cy, (int)GetImageSize().cy + kBottomMargin));
}

COLORREF CTavoPOutlookButton::GetTextColor(BOOL bHighlight) const
{
    const BOOL bPlainPane = m_pWndParentBar == NULL || !m_pWndParentBar->HasBackgroundImage();
    if ((m_nStyle & TBBS_DISABLED) && bPlainPane)
        return ::GetSysColor(COLOR_GRAYTEXT);
    const COLORREF clrPane =
        m_pWndParentBar != NULL ? m_pWndParentBar->GetRegularTextColor() : (COLORREF)-1;
    if (clrPane != (COLORREF)-1)
        return clrPane;
    int state = TAVOP_BUTTON_NORMAL;
    if (bHighlight)
        state = TAVOP_BUTTON_HIGHLIGHTED;
    else if (m_nStyle & TBBS_CHECKED)
        state = TAVOP_BUTTON_PRESSED;
    return CTavoPVisualManager::GetInstance()->GetToolbarButtonTextColor(
        const_cast<CTavoPOutlookButton*>(this), state);
}

void CTavoPOutlookButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                                 BOOL bHorz, BOOL /*bCustomizeMode*/, BOOL bHighlight,
                                 BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    m_bHorz = bHorz;
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const CSize sizeExtra = pVisManager->GetButtonExtraSize();
    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bHighColor = m_pWndParentBar != NULL && m_pWndParentBar->IsHighColorBackground();

    CRect rectInternal = rect;
    CRect rectText = rect;
    if (sizeExtra != CSize(0, 0))
    {
        rectInternal.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
        if (bHorz)
            rectText.OffsetRect(sizeExtra.cx, 0);
        else
            rectText.OffsetRect(0, sizeExtra.cy);
    }

    CRect rectFrame(0, 0, 0, 0);
    const BOOL bImage =
        pImages != NULL && m_bImage && GetImage() >= 0 && GetImage() < pImages->GetCount();
    if (bImage)
    {
        const CSize sizeImage = pImages->GetDrawSize();
        CPoint ptImage;
        if (!bHorz)
        {
            ptImage = CPoint(rectInternal.left + (rectInternal.Width() - sizeImage.cx) / 2,
                             rectInternal.top + kImageTop);
            rectText.top = ptImage.y + sizeImage.cy + kImageToLabel;
        }
        else
        {
            ptImage = CPoint(rectInternal.left + 5,
                             rectInternal.top + (rectInternal.Height() - sizeImage.cy) / 2);
            rectText.left = rectInternal.left + sizeImage.cx + 10;
            rectText.top = rectInternal.top + (rectInternal.Height() - m_nTextHeight) / 2;
        }
        rectFrame = CRect(ptImage, sizeImage);
        rectFrame.InflateRect(2, 2);
        if (bHighColor && bHighlight && !bPressed)
        {
            CTavoPDrawManager dm(*pDC);
            dm.HighlightRect(rectFrame);
        }
        const int nShift = bPressed && bChecked ? 1 : 0;
        pImages->Draw(pDC, ptImage.x + nShift, ptImage.y + nShift, GetImage(), FALSE, bDisabled);
    }
    else
    {
        rectFrame = rect;
        if (!bHorz)
            rectText.top = rectInternal.top + kImageTop;
        if (bHighColor && bHighlight && !bPressed)
        {
            CTavoPDrawManager dm(*pDC);
            dm.HighlightRect(rectFrame);
        }
    }

    // The frame around the image tells the state: sunk while pressed or checked under the
    // pointer, raised while only hot or only checked.
    if (bPressed || bHighlight || bChecked)
    {
        const int state = (bPressed || (bChecked && bHighlight)) ? TAVOP_BUTTON_PRESSED
                                                                 : TAVOP_BUTTON_HIGHLIGHTED;
        CRect rectBorder = rectFrame;
        if (!bHighColor && state == TAVOP_BUTTON_HIGHLIGHTED && sizeExtra != CSize(0, 0))
            rectBorder.InflateRect(sizeExtra.cx / 2 - 1, sizeExtra.cy / 2 - 1);
        pVisManager->OnDrawButtonBorder(pDC, this, rectBorder, state);
    }

    if (!m_bText || m_strText.IsEmpty())
        return;
    const COLORREF clrOld = pDC->SetTextColor(GetTextColor(bHighlight));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    // The button is as wide as the label was measured (or the image, when wider): a narrower
    // rectangle would wrap the label anew or cut off its last letters.
    pDC->DrawText(m_strText, rectText,
                  m_bIsWholeText ? (DT_CENTER | DT_WORDBREAK) : (DT_WORDBREAK | DT_END_ELLIPSIS));
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}
