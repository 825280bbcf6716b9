// The customizable toolbar, base of every bar that holds buttons, with the images, sizes, options and live-toolbar list all toolbars share.
#pragma once
#include "ui/bars/CTavoPBarNcPainter.h"
#include "ui/commandbars/CTavoPBaseToolBar.h"
#include "ui/commandbars/CTavoPToolBarParams.h"
#include "ui/commandbars/CCustomizeButton.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/CTavoPToolbarDropTarget.h"
#include "ui/foundation/CTavoPPaintBuffer.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include <vector>

class CTavoPRegistry;
class CMenu;
class COleDataObject;

class CTavoPToolbarMenuButton;

// The window style bit that makes a bar paint its parent's background under its buttons.
#define TAVOP_TBSTYLE_PARENT_BACKGROUND 0x8000

class CTavoPToolBar : public CTavoPBaseToolBar
{
    DECLARE_SERIAL(CTavoPToolBar)
    friend class CTavoPToolbarCmdUI;

public:
    CTavoPToolBar();
    virtual ~CTavoPToolBar();

    // ---- creation and resources ----
    using CTavoPBaseToolBar::Create;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    using CTavoPBaseToolBar::CreateEx;
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = AFX_IDW_TOOLBAR);
    // Every button takes its command's default image again, then a floating bar lays itself out.
    virtual void RefreshButtonImages();
    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                            BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                            UINT uiMenuDisabledResID = 0);
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                             BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                             UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    virtual BOOL LoadBitmapEx(CTavoPToolBarParams& params, BOOL bLocked = FALSE);
    virtual BOOL LoadToolBarEx(UINT uiToolbarResID, CTavoPToolBarParams& params,
                               BOOL bLocked = FALSE);

    // ---- the button list ----
    virtual int InsertButton(CTavoPToolbarButton* pButton, int iInsertAt = -1);
    virtual int InsertButtonCopy(const CTavoPToolbarButton& button, int iInsertAt = -1);
    int InsertSeparator(int iInsertAt = -1);
    BOOL RemoveButton(int iIndex);
    virtual void RemoveAllButtons();
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages = TRUE);
    void SetButtonTextImage(int iIndex, LPCTSTR lpszText, BOOL bShowText, BOOL bShowImage);
    int GetCount() const { return (int)m_Buttons.GetCount(); }
    const CObList& GetAllButtons() const { return m_Buttons; }

    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    virtual BOOL IsButtonExtraSizeAvailable() const { return TRUE; }
    virtual void ClearHot();
    virtual void RestoreFocus();
    virtual BOOL AreItemsChanged() const { return m_bResourceWasChanged; }
    // Whether the last load of the saved state found the resource's buttons changed.
    BOOL IsResourceChanged() const { return m_bResourceWasChanged; }
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    virtual void GetInvalidateItemRect(int nIndex, LPRECT lpRect) const;
    virtual void SetButtonStyle(int nIndex, UINT nStyle);
    virtual BOOL AllowShowTextLabels() const { return TRUE; }
    virtual BOOL CanBeRestored() const { return m_uiOriginalResID != 0; }
    // Whether the owning frame made this bar as a user-defined toolbar.
    BOOL IsUserDefined() const;
    virtual BOOL RestoreOriginalState();
    virtual void OnReset() {}
    virtual int HitTest(CPoint point);
    virtual BOOL TranslateChar(UINT nChar);
    virtual BOOL DropPrevMenu();
    virtual BOOL DropNextMenu();
    virtual BOOL SetDefaultButtonText(CTavoPToolbarButton* pButton);
    virtual void OnFillBackground(CDC* pDC) {}
    virtual void SelectButton(int iButton);
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    virtual BOOL DrawButton(CDC* pDC, CTavoPToolbarButton* pButton, CTavoPToolbarImageList* pImages,
                            BOOL bHighlighted, BOOL bDrawDisabledImages);
    virtual void DrawDragMarker(CDC* pDC);
    virtual CWnd* GetCommandTarget() const;
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const;
    virtual void LayoutButtons();
    virtual BOOL OnSendCommand(const CTavoPToolbarButton* pButton) { return FALSE; }
    // The popup menu that holds this bar; only the popup-menu bar has one.
    virtual CWnd* GetOwnerPopupMenu() const { return NULL; }
    virtual BOOL AllowShowOnList() const { return TRUE; }
    virtual void FillButtonArea(CDC* pDC, CRect rect, BOOL bHorz);
    virtual BOOL OnKey(UINT nChar) { return FALSE; }
    virtual void ResetButtonStates(BOOL bCustomizing);
    virtual BOOL IsMenuMode(const CTavoPToolbarButton* pButton = NULL) const { return m_bMenuMode; }
    virtual void GetButtonClientRect(const CTavoPToolbarButton* pButton, CRect& rect,
                                     BOOL bRowStrip = FALSE) const;
    virtual LRESULT ShowCommandMessage(UINT uiCmdId);
    virtual int CalcTextLabelHeight();
    // The owning frame's text for the button's tip; FALSE when it supplies none.
    virtual BOOL GetButtonToolTipText(const CTavoPToolbarButton* pButton, CString& strTTText);

    // ---- customize mode and dragged buttons ----
    // Greys and checks the items of the customize menu for the button; FALSE shows no menu.
    virtual BOOL PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup);
    // A new button from dragged or pasted data, ready to insert; null when there is none.
    virtual CTavoPToolbarButton* CreateDroppedButton(COleDataObject* pDataObject);
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // The customize-selected button's index, -1 when none.
    int GetCustomizeSelected() const { return m_iSelected; }
    // The index a dragged button would be dropped at, -1 when none.
    int GetInsertMarker() const { return m_iDragIndex; }
    // The button being dragged off this bar (null when none), and whether the press asked for
    // a copy.
    CTavoPToolbarButton* GetDragButton() const { return m_pDragButton; }
    BOOL IsDragCopy() const { return m_bIsDragCopy; }
    // Whether the window takes drops (only when OLE ran on the thread at its creation).
    BOOL IsDropTarget() const { return m_DropTarget.GetRegisteredWindow() != NULL; }
    // Keeps the buttons under the pointer highlighted while the frame's context help runs.
    static void SetHotTrackingHook(BOOL bOn);
    static BOOL IsHotTrackingHookOn() { return m_hookMouseHelp != NULL; }

    // ---- overrides of the bar ----
    virtual CSize CalcFloatingSize(int nLength, BOOL bVert);
    virtual void AdjustLayout() override;
    virtual CSize CalcSize(BOOL bVertDock) override;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void GetMinSize(CSize& size) const override;
    virtual void DoPaint(CDC* pDC) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual void EnableDocking(DWORD dwAlignment) override;
    virtual void SetAlignmentTop() override;
    virtual void Serialize(CArchive& ar) override;
    // The buttons, name and original items under "TavoToolBars" below the profile's path,
    // then the bar's own placement.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL RemoveStateFromRegistry(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                                         UINT uiSubIndex = (UINT)-1);
    virtual BOOL SaveOriginalItems(CTavoPRegistry& reg);
    virtual BOOL LoadOriginalItems(CTavoPRegistry& reg);
    // Brings the buttons up to date with a resource that changed since listStored was saved.
    virtual BOOL MergeOriginalItems(const CObList& listStored);
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // ---- lookups ----
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;
    CTavoPToolbarButton* GetButton(int iIndex) const;
    UINT GetItemID(int nIndex) const;
    UINT GetButtonStyle(int nIndex) const;
    int ButtonToIndex(const CTavoPToolbarButton* pButton) const;
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void InvalidateButton(int nIndex);
    CTavoPToolbarButton* GetHotButton() const { return GetButton(m_iHighlighted); }
    int GetHighlightedButton() const { return m_iHighlighted; }
    int GetPressedButton() const { return m_iButtonCapture; }
    // Updates one button's state from its command handler.
    void UpdateButton(int nIndex);

    // ---- layout ----
    int WrapToolBar(int nWidth, int nHeight = 32767);
    int SizeToolBar(int nLength, BOOL bVert = FALSE);
    void EnableTextLabels(BOOL bEnable = TRUE);
    BOOL AreTextLabels() const { return m_bTextLabels; }
    void AdjustSizeImmediate();
    // In a rebar the bar's band takes the bar's new minimum and ideal size.
    void AdjustRebarBand(CWnd* pRebar);
    void UpdateTooltips();
    void SetToolTipOnDemand(BOOL bOnDemand) { m_bToolTipOnDemand = bOnDemand; }
    void SetLockedSizes(SIZE sizeButton, SIZE sizeImage);
    BOOL IsLocked() const { return m_bLocked; }
    void EnableLargeIcons(BOOL bEnable) { m_bLargeIconsAreEnbaled = bEnable; }
    // The button size the layout uses for this bar, without the visual manager's extra size.
    CSize GetButtonSize() const;
    CSize GetImageSize() const;
    void SetMaximumStretch(int nMax) { m_nMaxLen = nMax; }

    // ---- keyboard and menu navigation ----
    BOOL DropDownMenu(CTavoPToolbarButton* pButton);
    BOOL ProcessCommand(CTavoPToolbarButton* pButton);
    CTavoPToolbarMenuButton* GetDroppedDownMenu(int* pIndex = NULL) const;
    BOOL SetHotMenuButton(CTavoPToolbarMenuButton* pMenuButton);
    void RebuildMnemonics();

    BOOL m_bDrawBorder;
    BOOL m_bGrayDisabledButtons;
    BOOL m_bNoTextUpdate;
    BOOL m_bUpdateDialogControls;
    BOOL m_bRouteToOwner;

    // ---- process-wide ----
    static void SetSizes(SIZE sizeButton, SIZE sizeImage);
    static CSize GetMenuImageSize();
    static CSize GetDefaultButtonSize() { return m_sizeButton; }
    static CSize GetDefaultImageSize() { return m_sizeImage; }
    static COLORREF GetDefaultTextColor();
    // The text colour of a hot button: the explicit one, else the global button-text colour.
    static COLORREF GetHotTextColor() { return GetDefaultTextColor(); }
    // The options under "TavoToolbarParameters" below the profile's path.
    static BOOL LoadParameters(LPCTSTR lpszProfileName);
    static BOOL SaveParameters(LPCTSTR lpszProfileName);
    static void SetLargeIcons(BOOL bLargeIcons = TRUE);
    static BOOL IsLargeIcons() { return m_bLargeIcons; }
    static void ResetAllImages();
    static int GetCommandButtons(UINT uiCmd, CObList& listButtons);
    // Every toolbar whose window exists, in creation order.
    static const CObList& GetAllToolbars();
    static void AddBasicCommand(UINT uiCmd);
    static BOOL IsBasicCommand(UINT uiCmd);
    static BOOL HasBasicCommands() { return !BasicCommands().IsEmpty(); }
    static BOOL IsCommandRarelyUsed(UINT uiCmd);
    static void AddCommandUsage(UINT uiCommand);
    static BOOL IsCustomizeMode() { return m_bCustomizeMode; }
    static BOOL SetCustomizeMode(BOOL bSet = TRUE);
    static BOOL IsAltCustomizing() { return m_bAltCustomization; }
    // The eight strips every unlocked toolbar appends its images to.
    enum SharedStrip
    {
        StripNormal,
        StripCold,
        StripMenu,
        StripDisabled,
        StripMenuDisabled,
        StripLarge,
        StripLargeCold,
        StripLargeDisabled,
        StripCount
    };
    static CTavoPToolbarImageList& SharedImages(int nStrip);
    static CTavoPToolbarImageList* GetImages() { return &SharedImages(StripNormal); }
    static CTavoPToolbarImageList* GetColdImages() { return &SharedImages(StripCold); }
    static CTavoPToolbarImageList* GetDisabledImages() { return &SharedImages(StripDisabled); }
    static CTavoPToolbarImageList* GetMenuImages() { return &SharedImages(StripMenu); }
    static CTavoPToolbarImageList* GetUserImages() { return m_pUserImages; }
    static void SetUserImages(CTavoPToolbarImageList* pUserImages) { m_pUserImages = pUserImages; }
    // The image of a command in the shared normal strip, -1 when it has none.
    static int GetDefaultImage(UINT uiID);
    // Every command with its image in the shared normal strip.
    static const CMap<UINT, UINT, int, int>& GetDefaultImages() { return DefaultImages(); }

    // Options shared by all toolbars.
    static BOOL m_bShowTooltips;
    static BOOL m_bShowShortcutKeys;
    static BOOL m_bRecentlyUsedMenus;
    static BOOL m_bShowAllMenusDelay;
    static BOOL m_bAltCustomizingAllowed;
    // Commands that may never be placed on a toolbar.
    static CList<UINT, UINT>& UnpermittedCommands();

    // The registered window messages of the toolbars.
    static UINT WM_TAVOTOOLBAR_POPUPMENU;
    static UINT WM_TAVOTOOLBAR_CUSTOMIZE;
    static UINT WM_TAVOTOOLBAR_CREATE;
    static UINT WM_TAVOTOOLBAR_DELETE;
    static UINT WM_TAVOTOOLBAR_CUSTOMIZEHELP;
    static UINT WM_TAVOTOOLBAR_RESETTOOLBAR;
    static UINT WM_TAVOTOOLBAR_RESETMENU;
    static UINT WM_TAVOTOOLBAR_SHOWREGULARMENU;
    static UINT WM_TAVOTOOLBAR_RESETCONTEXTMENU;
    static UINT WM_TAVOTOOLBAR_RESETKEYBAORD;

protected:
    // The live-toolbar list: a toolbar joins it when its window is created and leaves it when
    // the window is destroyed.
    static CObList& LiveToolbars();
    // Whether the pointer press began on the given button, in customize mode of this bar.
    BOOL IsCustomizing() const { return m_bCustomizeMode && !m_bAltCustomization && !m_bLocked; }
    BOOL IsHorizontalBar() const { return (GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0; }
    // The text of the tool under point; empty when none.
    CString GetToolTipText(int iButton) const;
    // The window that receives the status prompts and the commands of the bar's buttons.
    virtual CWnd* GetMessageTarget() const;
    // Puts the button at the end of the list as the bar's customize button; null does nothing.
    void AppendCustomizeButton(CCustomizeButton* pButton);
    void RemoveAllButtonsButCustomize();
    // Opens the button appearance dialog on the button, modally; TRUE when the user confirmed it.
    virtual BOOL EditButtonAppearance(CTavoPToolbarButton* pButton);
    // The drag of a customize-selected button, from the press to the end of the drag.
    void DragButton(CTavoPToolbarButton* pButton, CPoint point);
    // Shows or clears the customize selection of a button, repainting both.
    void SetCustomizeSelected(int iButton);
    // Makes the customize-selected button show its text, its image or both.
    void ChooseSelectedDisplay(BOOL bText, BOOL bImage);
    static LRESULT CALLBACK HotTrackingHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    CTavoPToolbarImageList m_ImagesLocked;
    CTavoPToolbarImageList m_ColdImagesLocked;
    CTavoPToolbarImageList m_DisabledImagesLocked;
    CTavoPToolbarImageList m_LargeImagesLocked;
    CTavoPToolbarImageList m_LargeColdImagesLocked;
    CTavoPToolbarImageList m_LargeDisabledImagesLocked;
    CTavoPToolbarImageList m_MenuImagesLocked;
    CTavoPToolbarImageList m_DisabledMenuImagesLocked;
    BOOL m_bLocked;
    BOOL m_bLargeIconsAreEnbaled;
    CTavoPBarNcPainter m_Impl;
    CTavoPPaintBuffer m_paintBuffer;
    BOOL m_bTextLabels;
    BOOL m_bDrawTextLabels;
    int m_nMaxBtnHeight;
    CSize m_sizeButtonLocked;
    CSize m_sizeImageLocked;
    CSize m_sizeCurButtonLocked;
    CSize m_sizeCurImageLocked;
    int m_iButtonCapture;
    int m_iHighlighted;
    int m_iSelected;
    int m_iHot;
    CObList m_Buttons;
    CObList m_OrigButtons;
    BOOL m_bResourceWasChanged;
    // Set by a load that met a null entry in the stored list and fell back to the resource.
    BOOL m_bStoredListDamaged;
    CToolTipCtrl m_wndToolTip;
    // The rectangle of each tool the tool tip control holds, tool i + 1 over button i.
    std::vector<CRect> m_tooltipRects;
    // Set before creation by a window that makes and drops its bar often (a popup menu): the tool
    // tip control is then made when the first message it would be told of reaches the bar.
    BOOL m_bToolTipOnDemand;
    int m_iDragIndex;
    CRect m_rectDrag;
    CPen m_penDrag;
    CTavoPToolbarButton* m_pDragButton;
    CPoint m_ptStartDrag;
    BOOL m_bIsDragCopy;
    BOOL m_bStretchButton;
    CRect m_rectTrack;
    int m_iImagesOffset;
    UINT m_uiOriginalResID;
    BOOL m_bTracked;
    CPoint m_ptLastMouse;
    BOOL m_bMenuMode;
    HWND m_hwndLastCapture;
    HWND m_hwndLastFocus;
    CRect m_rectGripper;
    CMap<UINT, UINT, CTavoPToolbarButton*, CTavoPToolbarButton*> m_AcellKeys;
    int m_nMaxLen;
    CCustomizeButton* m_pCustomizeBtn;
    CTavoPToolbarDropTarget m_DropTarget;
    CSize m_sizeLast;

    // One layout pass measures every button once, on one DC: the pass open on the bar, if any.
    class LayoutPass;
    LayoutPass* m_pLayoutPass;
    // The DC of the open pass with the font of the direction selected.
    CDC& LayoutDC(BOOL bHorz);
    // A button's size in the open pass, measured on its first request.
    CSize MeasureButton(CTavoPToolbarButton* pButton, const CSize& sizeDefault, BOOL bHorz);

    static CSize m_sizeButton;
    static CSize m_sizeImage;
    static CSize m_sizeCurButton;
    static CSize m_sizeCurImage;
    static CSize m_sizeMenuImage;
    static CSize m_sizeMenuButton;
    static COLORREF m_clrTextHot;
    static CMap<UINT, UINT, int, int>& DefaultImages();
    static CList<UINT, UINT>& BasicCommands();
    static CTavoPToolbarImageList* m_pUserImages;
    static BOOL m_bCustomizeMode;
    static BOOL m_bAltCustomization;
    static BOOL m_bLargeIcons;
    static HHOOK m_hookMouseHelp;
    static CTavoPToolBar* m_pLastHookedToolbar;
    static CTavoPToolBar* m_pSelToolbar;
    static CString m_strTipText;
    static HCURSOR m_hcurStretch;
    static HCURSOR m_hcurSizeAll;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnSysColorChange();
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnMouseLeave();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnToolbarReset();
    void OnCopyImage();
    void OnToolbarDelete();
    void OnToolbarAppearance();
    void OnToolbarImage();
    void OnToolbarText();
    void OnToolbarImageAndText();
    void OnToolbarStartGroup();
    void OnToolbarNewMenuButton();
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonCount(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);

protected:
    DECLARE_MESSAGE_MAP()
};
