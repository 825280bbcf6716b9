// A scrolling grid of toolbar buttons, one for each image of a strip, of which the user selects one with the mouse or the keys.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarButton;
class CTavoPToolbarImageList;

class CTavoPImageListCtrl : public CButton
{
    DECLARE_DYNAMIC(CTavoPImageListCtrl)
public:
    CTavoPImageListCtrl();
    virtual ~CTavoPImageListCtrl();

    // Borrowed; the cells take the strip's image size. Removes the buttons.
    void SetImages(CTavoPToolbarImageList* pImages);
    // Borrowed: the caller keeps the button alive until RemoveButtons.
    void AddButton(CTavoPToolbarButton* pButton);
    void RemoveButtons();
    // The button under a client point, or null.
    CTavoPToolbarButton* HitTest(CPoint point) const;
    void SelectButton(CTavoPToolbarButton* pButton);
    // Below 0 clears the selection; FALSE when no button shows the image.
    BOOL SelectImage(int iImage);
    CTavoPToolbarButton* GetSelected() const { return m_pSelButton; }
    const CObList& GetButtons() const { return m_Buttons; }
    int GetScrollOffset() const { return m_iScrollOffset; }
    int GetMaxScrollOffset() const { return m_iScrollTotal; }
    int GetRowsPerPage() const { return m_iScrollPage; }
    CSize GetCellSize() const { return m_sizeButton; }
    // The vertical scroll bar, once it exists.
    CScrollBar* GetScrollBarCtrl(int nBar) const;
    // A button's rectangle as it shows on screen (client coordinates).
    CRect GetScreenRect(const CTavoPToolbarButton* pButton) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    void RecalcLayout();
    // Invalidates a cell grown by 2 pixels, cut to the client area.
    void InvalidateButton(const CTavoPToolbarButton* pButton);
    int GetRowStep() const { return m_sizeButton.cy + 5; }
    void ScrollTo(int iOffset);

    CObList m_Buttons;
    CTavoPToolbarImageList* m_pImages;
    CSize m_sizeButton;
    BOOL m_bInited; // the buttons have positions
    BOOL m_bIsFocused;
    CTavoPToolbarButton* m_pSelButton;
    int m_iScrollOffset;
    int m_iScrollTotal; // the largest offset
    int m_iScrollPage;  // rows per page
    CScrollBar m_wndScrollBar;
    BOOL m_bEnableDragFromList;

public:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnEnable(BOOL bEnable);
    void OnSysColorChange();
    void OnSize(UINT nType, int cx, int cy);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    DECLARE_MESSAGE_MAP()
};
