// The borderless popup frame that shows a drop-down button's choices beside the button, as a copy of its source toolbar.
#pragma once
#include "framework/CMiniFrameWnd.h"
#include "ui/commandbars/CTavoPDropDownToolBar.h"

class CTavoPDropDownToolbarButton;

class CTavoPDropDownFrame : public CMiniFrameWnd
{
    DECLARE_SERIAL(CTavoPDropDownFrame)
    friend class CTavoPDropDownToolbarButton;

public:
    CTavoPDropDownFrame();
    virtual ~CTavoPDropDownFrame();

    // Shows the choices of pToolBar at the screen point (x, y); (-1, -1) means the window's
    // client origin plus (5, 5). FALSE when the window cannot be made (the object is gone then).
    virtual BOOL Create(CWnd* pWndParent, int x, int y, CTavoPDropDownToolBar* pToolBar);
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;

    CTavoPDropDownToolbarButton* GetParentButton() const { return m_pParentBtn; }
    CTavoPDropDownToolBar* GetToolBar() { return &m_wndToolBar; }
    CTavoPDropDownToolBar* GetSourceToolBar() const { return m_pWndOriginToolbar; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);

protected:
    virtual void PostNcDestroy() override;
    // The toolbar that holds the parent button, null when there is none.
    CTavoPToolBar* GetParentBar() const;

    CTavoPDropDownToolbarButton* m_pParentBtn;
    CTavoPDropDownToolBar m_wndToolBar;
    CTavoPDropDownToolBar* m_pWndOriginToolbar;
    int m_x;
    int m_y;
    BOOL m_bAutoDestroyToolbar;
    CString m_strCaption;

    DECLARE_MESSAGE_MAP()
};
