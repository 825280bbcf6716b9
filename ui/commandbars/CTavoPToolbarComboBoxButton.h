// A toolbar button that hosts a combo box whose text and items it keeps.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPToolbarComboEditCtrl;

class CTavoPToolbarComboBoxButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CTavoPToolbarComboBoxButton)
public:
    CTavoPToolbarComboBoxButton();
    CTavoPToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle = CBS_DROPDOWNLIST,
                                int iWidth = 0);
    virtual ~CTavoPToolbarComboBoxButton();

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CTavoPToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void OnAddToCustomizePage() override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    void OnShow(BOOL bShow) override;
    void SetStyle(UINT nStyle) override;
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsControlVisible() const override;
    BOOL IsOwnerOf(HWND hwnd) override;
    BOOL HasFocus() const override;

    virtual CComboBox* CreateCombo(CWnd* pWndParent, const CRect& rect);
    // Called after the item data, then after the strings, were rebuilt.
    virtual void OnItemDataRebuilt() {}
    virtual void OnItemStringsRebuilt() {}

    // Adds an item at the end of the list (and of the combo box); its index.
    int AddItem(LPCTSTR lpszItem, DWORD dwData = 0);
    int GetCount() const { return (int)m_lstItems.GetCount(); }
    CString GetItem(int iIndex) const;
    DWORD GetItemData(int iIndex) const;
    int GetCurSel() const { return m_iSelIndex; }
    // The selected item's text, or the typed one.
    const CString& GetText() const { return m_strEdit; }
    int GetWidth() const { return m_iWidth; }
    DWORD GetComboStyle() const { return m_dwStyle; }
    int GetDropDownHeight() const { return m_nDropDownHeight; }
    CComboBox* GetComboBox() const { return m_pWndCombo; }
    CEdit* GetEditCtrl() const;
    // The combo box's area and its drawn drop button, in the bar's client coordinates.
    const CRect& GetComboRect() const { return m_rectCombo; }
    const CRect& GetDropButtonRect() const { return m_rectButton; }

    BOOL SelectItem(int iIndex, BOOL bNotify = TRUE);
    // Called by the edit when the mouse or the focus arrives or leaves.
    void SetHot(BOOL bHot);

protected:
    friend class CTavoPToolbarComboEditCtrl;

    BOOL IsDisabledNow() const;
    void AdjustRect();
    void DestroyWindows();
    // The lists take the combo box's items (someone may have filled the window directly).
    void RebuildFromCombo();
    // The combo box takes the lists' items and the selection.
    void FillCombo();
    void SetEditWindowText(const CString& str);

    DWORD m_dwStyle;
    CComboBox* m_pWndCombo;
    CTavoPToolbarComboEditCtrl* m_pWndEdit;
    CStringList m_lstItems;
    CList<DWORD, DWORD> m_lstItemData;
    int m_iWidth;
    int m_iSelIndex;
    BOOL m_bHorzLayout;
    CString m_strEdit;
    CRect m_rectCombo;
    CRect m_rectButton;
    int m_nDropDownHeight;
    BOOL m_bHot;
    BOOL m_bChangingText;
};
