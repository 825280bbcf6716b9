// The strip at a frame edge with one button per auto-hidden pane: hovering a button slides its pane out, a click gives the pane the focus.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPAutoHideButton;
class CTavoPDockingControlBar;

class CTavoPAutoHideToolBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPAutoHideToolBar)
public:
    CTavoPAutoHideToolBar();
    virtual ~CTavoPAutoHideToolBar();

    CTavoPAutoHideButton* AddAutoHideButton(CTavoPDockingControlBar* pBar, DWORD dwAlignment);
    // FALSE when the pane has no button here. The last button takes the strip along.
    BOOL RemoveAutoHideButton(CTavoPDockingControlBar* pBar);
    BOOL ShowAutoHideButton(CTavoPDockingControlBar* pBar, BOOL bShow, BOOL bNoUpdate = FALSE);
    void UpdateVisibility();
    void UnpinAll(CTavoPDockingControlBar* pTarget);
    CTavoPAutoHideButton* FindButton(const CTavoPDockingControlBar* pBar) const;
    CTavoPDockingControlBar* GetFirstBar() const;
    CTavoPAutoHideButton* ButtonFromPoint(CPoint pt) const;
    int GetButtonCount() const { return (int)m_lstButtons.GetCount(); }
    int GetVisibleButtonCount() const;
    CTavoPAutoHideButton* GetActiveButton() const { return m_pActiveButton; }
    // Marks the button whose pane a group shows when it is pinned back.
    void SetActiveButton(CTavoPAutoHideButton* pButton) { m_pActiveButton = pButton; }
    // The three state words the layout archive keeps for the strip.
    void GetStateWords(int nWords[3]) const
    {
        nWords[0] = m_bProperty1;
        nWords[1] = m_bProperty2;
        nWords[2] = m_bProperty3;
    }
    void SetStateWords(const int nWords[3])
    {
        m_bProperty1 = nWords[0] != 0;
        m_bProperty2 = nWords[1] != 0;
        m_bProperty3 = nWords[2] != 0;
    }
    // Puts the buttons one after another along the strip; answers the strip's size.
    CSize LayoutButtons();

    // The strip's size is what its buttons take.
    virtual CSize CalcStretchedSize(int nLength, BOOL bVert) override;
    // The strip keeps its size: the dock bar lays it out as it is.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Only one strip of a row shows its labels.
    virtual void SetBarProperty3(BOOL bValue) override;

    static CRuntimeClass* m_pAutoHideButtonRTS;
    static UINT m_nShowAHWndDelay;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);

protected:
    CObList m_lstButtons;
    CTavoPAutoHideButton* m_pActiveButton;
    BOOL m_bReadyToDisplayAHWnd;
    UINT_PTR m_nDisplayAHWndTimerID;

    void KillHoverTimer();
    // Lays the shown buttons out again, fits the strip to them and lets its row close up.
    void RelayoutButtons();

    DECLARE_MESSAGE_MAP()
};
