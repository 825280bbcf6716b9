// One button of a caption strip (close, pin, roll-up), answering its hit-test code and drawn by the visual manager.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPCaptionButton : public CObject
{
    DECLARE_DYNAMIC(CTavoPCaptionButton)
public:
    CTavoPCaptionButton();
    virtual ~CTavoPCaptionButton();

    // The hit-test code the button answers, which is also the kind the visual manager draws.
    UINT GetKind() const { return (UINT)m_nHit; }
    // Glyph size plus the margins and the visual manager's extra size.
    static CSize GetSize();
    CRect GetRect() const { return CRect(m_ptOrg, GetSize()); }
    // Nothing for a hidden button; bPinned draws the pin pressed in.
    virtual void OnDraw(CDC* pDC, BOOL bActive, BOOL bHorz, BOOL bPinned);

    BOOL m_bPushed;
    BOOL m_bFocused; // hot
    BOOL m_bHidden;
    int m_nHit;
    CPoint m_ptOrg; // top-left corner in the bar's window coordinates
};
