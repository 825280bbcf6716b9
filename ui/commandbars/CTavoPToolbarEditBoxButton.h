// A toolbar button that hosts an edit control whose text it keeps.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPToolbarEditCtrl;

class CTavoPToolbarEditBoxButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CTavoPToolbarEditBoxButton)
public:
    CTavoPToolbarEditBoxButton();
    CTavoPToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle = ES_AUTOHSCROLL,
                               int iWidth = 0);
    virtual ~CTavoPToolbarEditBoxButton();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CTavoPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void OnAddToCustomizePage() override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    BOOL HasHotBorder() const override;
    int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    void OnShow(BOOL bShow) override;
    CRect GetInvalidateRect() const override;
    void SetStyle(UINT nStyle) override;

    virtual CEdit* CreateEdit(CWnd* pWndParent, const CRect& rect);
    // Puts the text into this button (and its edit, without reporting it as user input).
    virtual void SetContents(const CString& strContents);

    // The text as the user sees it: the edit's when one exists, else the kept one.
    CString GetContents() const;
    CEdit* GetEditBox() const { return m_pWndEdit; }
    int GetWidth() const { return m_iWidth; }
    DWORD GetEditStyle() const { return m_dwStyle; }
    // Called by the edit when the mouse or the focus arrives or leaves.
    void SetHot(BOOL bHot);

protected:
    BOOL IsDisabledNow() const;

    DWORD m_dwStyle;
    CEdit* m_pWndEdit;
    CString m_strContents;
    BOOL m_bChangingText;
    int m_iWidth;
    BOOL m_bHorzLayout;
    BOOL m_bHot;
};
