// An edit control with a push button drawn in its non-client area at the right; the button's owner draws it and hears its clicks.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPNcButtonEdit : public CEdit
{
    DECLARE_DYNAMIC(CTavoPNcButtonEdit)
public:
    // What draws the frame button and is told when it is clicked.
    class Owner
    {
    public:
        virtual ~Owner() {}
        // rect is in the coordinates of the DC, which is clipped to it.
        virtual void OnDrawNcButton(CTavoPNcButtonEdit* pEdit, CDC* pDC, const CRect& rect,
                                    BOOL bPressed) = 0;
        virtual void OnNcButtonClick(CTavoPNcButtonEdit* pEdit) = 0;
    };

    CTavoPNcButtonEdit();
    virtual ~CTavoPNcButtonEdit();

    // The button is this wide, taken from the right of the client area.
    static const int kButtonWidth = 20;

    // Shows or hides the button; the client area is recalculated unless the size is fixed.
    void EnableButton(BOOL bEnable = TRUE);
    BOOL HasButton() const { return m_bHasButton; }
    // A fixed-size edit refuses size changes and keeps its non-client area as it is.
    void SetFixedSize(BOOL bFixed = TRUE) { m_bFixedSize = bFixed; }
    void SetOwnerObject(Owner* pOwner) { m_pOwner = pOwner; }
    // In screen coordinates; empty without a button.
    const CRect& GetButtonRect() const { return m_rectButton; }
    BOOL IsButtonPressed() const { return m_bPressed; }
    BOOL IsTracking() const { return m_bTracking; }

protected:
    BOOL IsOnButton(CPoint ptClient) const;
    void RedrawFrame();

    BOOL m_bFixedSize;
    BOOL m_bHasButton;
    CRect m_rectButton;
    BOOL m_bPressed;
    BOOL m_bTracking;
    Owner* m_pOwner;

public:
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnNcPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
