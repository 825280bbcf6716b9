// One item of a toolbar, menu bar or popup menu: command, style bits, text, image, its size and drawing, its archive and its clipboard form.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPFrameHooks;
class CTavoPToolbarImageList;
class CTavoPToolbarMenuButton;
class COleDataSource;
class COleDataObject;

class CTavoPToolbarButton : public CObject
{
    DECLARE_SERIAL(CTavoPToolbarButton)
public:
    CTavoPToolbarButton();
    CTavoPToolbarButton(UINT uiID, int iImage, LPCTSTR lpszText = NULL, BOOL bUserButton = FALSE,
                        BOOL bLocked = FALSE);
    virtual ~CTavoPToolbarButton();

    virtual void Serialize(CArchive& ar) override;

    virtual BOOL CanBeDropped(CWnd* pToolbar) { return TRUE; }
    virtual void CopyFrom(const CTavoPToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) { return FALSE; }
    virtual BOOL OnClickUp() { return FALSE; }
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const;
    virtual void OnMove() {}
    virtual void OnSize(int iSize) {}
    virtual HWND GetHwnd() { return NULL; }
    virtual BOOL CanBeStretched() const { return FALSE; }
    virtual BOOL NotifyCommand(int iNotifyCode) { return FALSE; }
    virtual void OnAddToCustomizePage() {}
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) { return NULL; }
    virtual void OnDblClick(CWnd* pWnd) {}
    virtual BOOL CanBeStored() const { return TRUE; }
    virtual BOOL HasHotBorder() const { return TRUE; }
    virtual void OnCancelMode() {}
    virtual BOOL CanBeCustomized() const;
    virtual BOOL OnKeyActivate(CWnd* pWnd) { return FALSE; }
    virtual BOOL OnCustomizeMenu(CMenu* pMenu) { return FALSE; }
    virtual int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected);
    virtual BOOL IsDroppedDown() const { return FALSE; }
    virtual BOOL OnBeforeDrag() const { return TRUE; }
    virtual int OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI);
    // The library frame whose hooks buttons and bars ask: the in-place frame that owns the popups,
    // else the application's main frame, else the window's top-level frame; null when that frame
    // is not one of the library's.
    static CTavoPFrameHooks* GetHookFrame(const CWnd* pWnd);
    virtual void ClosePopupChain() {}
    virtual void OnShow(BOOL bShow) {}
    virtual CRect GetInvalidateRect() const { return m_rect; }
    virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    virtual void ResetImageToDefault();
    virtual BOOL CompareWith(const CTavoPToolbarButton& other) const
    {
        return m_nID == other.m_nID;
    }
    virtual BOOL EnableWindow(BOOL bEnable = TRUE);
    virtual BOOL IsControlVisible() const;
    virtual BOOL IsOwnerOf(HWND hwnd);
    virtual BOOL HasFocus() const;
    virtual void SetImage(int iImage);
    virtual void SetRadio() {}
    virtual BOOL IsOnPlainToolBar() const { return m_bExtraSize; }

    // The button's image: the user image when it is a user-image button, else the standard one.
    int GetImage() const { return m_bUserButton ? m_iUserImage : m_iImage; }
    BOOL IsLocked() const { return m_bLocked; }
    BOOL IsHidden() const { return m_bIsHidden; }
    void SetHidden(BOOL bHide) { m_bIsHidden = bHide; }
    BOOL IsHorizontal() const { return m_bHorz; }

    // The rectangle in the owning bar's client coordinates.
    const CRect& Rect() const { return m_rect; }
    void SetRect(const CRect& rect)
    {
        m_rect = rect;
        OnMove();
    }

    // Writes the button into a data source under the button clipboard format.
    BOOL PrepareDrag(COleDataSource& srcItem);
    // Reads a button back; null when the data holds none or is not a button.
    static CTavoPToolbarButton* CreateFromOleData(COleDataObject* pDataObject);
    // The button clipboard format, registered on the first request.
    static CLIPFORMAT GetClipboardFormat();

    // The name the format is registered under when it is not empty; "TavoToolbarButton%lx"
    // with the module instance otherwise.
    static CString m_strClipboardFormatName;
    // Command IDs that can never be customized.
    static CList<UINT, UINT> m_lstProtectedCommands;

    BOOL m_bUserButton;
    UINT m_nID;
    UINT m_nStyle; // TBBS_ bits
    CString m_strText;
    BOOL m_bText;
    BOOL m_bImage;
    BOOL m_bWrap;
    int m_nReserved;
    BOOL m_bTextBelow;
    CString m_strTextCustom;
    BOOL m_bDragFromCollection;

protected:
    // The colour of the label below a hosted control: grey when disabled, the look's text of a
    // highlighted button when hot, else the button text.
    COLORREF GetLabelTextColor(BOOL bDisabled, BOOL bHighlight);
    // Underlines the mnemonic of text drawn down a vertical bar from rectText's top left, where
    // the text itself was drawn without its marks.
    void DrawVerticalMnemonic(CDC* pDC, const CRect& rectText);

    // The state the visual manager fills the button in: highlighted, pressed (also checked) or
    // normal; always normal while customizing.
    int GetFillState(BOOL bCustomizeMode, BOOL bHighlight) const;
    // The text as drawn: every "&" marking a mnemonic removed, "&&" kept as one "&".
    static CString StripMnemonic(const CString& str);

    CRect m_rect;
    int m_iImage;
    int m_iUserImage;
    BOOL m_bLocked;
    BOOL m_bIsHidden;
    int m_nTextWidth;
    int m_nTextHeight;
    BOOL m_bDisableFill;
    BOOL m_bExtraSize;
    BOOL m_bHorz;

    static CLIPFORMAT m_cFormat;
};
