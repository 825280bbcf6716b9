// The button at the end of a docked toolbar that takes the buttons the bar has no room for.
#pragma once
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

class CTavoPToolBar;

class CCustomizeButton : public CTavoPToolbarMenuButton
{
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();
    virtual ~CCustomizeButton();

    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    virtual BOOL CanBeStored() const override { return FALSE; }
    virtual BOOL HasHotBorder() const override { return FALSE; }
    virtual BOOL CanBeCustomized() const override { return FALSE; }
    // The hidden buttons, then the customize command when there is one.
    virtual CTavoPPopupMenu* CreatePopupMenu() override;
    // Its popup is built from the hidden buttons, without a menu handle.
    virtual BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    int GetCustomizeCmdId() const { return m_iCustomizeCmdId; }
    void SetCustomizeCmdId(int iCmdId) { m_iCustomizeCmdId = iCmdId; }
    const CString& GetCustomizeText() const { return m_strCustomizeText; }
    void SetCustomizeText(LPCTSTR lpszText) { m_strCustomizeText = lpszText; }
    CTavoPToolBar* GetParentToolbar() const { return m_pWndParentToolbar; }
    BOOL IsCollapsed() const { return m_bIsEmpty; }
    void SetCollapsed(BOOL bCollapsed) { m_bIsEmpty = bCollapsed; }
    // The buttons the bar's layout had no room for, in bar order; not owned.
    CObList& GetHiddenButtons() { return m_lstInvisibleButtons; }

protected:
    int m_iCustomizeCmdId;
    CString m_strCustomizeText;
    CTavoPToolBar* m_pWndParentToolbar;
    BOOL m_bIsEmpty;
    CObList m_lstInvisibleButtons;
};
