// The customizable toolbar, base of every bar that holds buttons, with the options, sizes and live-toolbar list all toolbars share.
#pragma once
#include "ui/commandbars/CTavoPBaseToolBar.h"

class CTavoPToolbarImageList;
class CTavoPToolbarButton;

class CTavoPToolBar : public CTavoPBaseToolBar
{
    DECLARE_DYNCREATE(CTavoPToolBar)
public:
    CTavoPToolBar();
    virtual ~CTavoPToolBar();

    using CTavoPBaseToolBar::Create;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    virtual void ClearHot() {}
    // The index of the button under the client point; -1 when there is none.
    virtual int HitTest(CPoint point);
    // TRUE when a button took the character as its mnemonic.
    virtual BOOL TranslateChar(UINT nChar) { return FALSE; }
    CTavoPToolbarButton* GetButton(int iIndex) const;

    // Every button takes its command's default image again, then the bar lays itself out.
    virtual void RefreshButtonImages();
    // Whether the last load of the saved state found the resource's buttons changed.
    BOOL IsResourceChanged() const { return m_bResourceWasChanged; }
    int GetCount() const { return (int)m_Buttons.GetCount(); }

    // Every toolbar whose window exists, in creation order.
    static const CObList& GetAllToolbars();

    // Commands that menus always show, however rarely they are chosen.
    static void AddBasicCommand(UINT uiCmd);
    static BOOL IsBasicCommand(UINT uiCmd);
    // A command that shortened menus hide: only once basic commands are defined, and never one
    // that the usage counts leave out.
    static BOOL IsCommandRarelyUsed(UINT uiCmd);
    // Counts one use of the command for the personalised menus.
    static void AddCommandUsage(UINT uiCommand);

    static BOOL IsCustomizeMode() { return m_bCustomizeMode; }
    // FALSE when the mode is already the one asked for.
    static BOOL SetCustomizeMode(BOOL bSet = TRUE);

    // The explicit menu image size when one is set, else the default image size.
    static CSize GetMenuImageSize();
    // The text colour of a hot button: the explicit one, else the global button-text colour.
    static COLORREF GetHotTextColor();
    static void SetLargeIcons(BOOL bLargeIcons = TRUE);
    static BOOL IsLargeIcons() { return m_bLargeIcons; }

    // The options under "TavoToolbarParameters" below the profile's path.
    static BOOL LoadParameters(LPCTSTR lpszProfileName);
    static BOOL SaveParameters(LPCTSTR lpszProfileName);

    // The strip of user-drawn images; null when there is none.
    static CTavoPToolbarImageList* GetUserImages() { return m_pUserImages; }
    static void SetUserImages(CTavoPToolbarImageList* pUserImages) { m_pUserImages = pUserImages; }

    // Clears the images all toolbars share and the command usage counts; the library clean-up
    // calls it at exit.
    static void ResetAllImages();

    // Options shared by all toolbars.
    static BOOL m_bShowTooltips;
    static BOOL m_bShowShortcutKeys;
    static BOOL m_bRecentlyUsedMenus;
    static BOOL m_bShowAllMenusDelay;

protected:
    // The live-toolbar list: a toolbar joins it when its window is created and leaves it when
    // the window is destroyed.
    static CObList& LiveToolbars();
    static CList<UINT, UINT>& BasicCommands();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CObList m_Buttons;
    BOOL m_bResourceWasChanged;

    static BOOL m_bCustomizeMode;
    static BOOL m_bLargeIcons;
    static CSize m_sizeButton;
    static CSize m_sizeImage;
    static CSize m_sizeCurButton;
    static CSize m_sizeCurImage;
    static CSize m_sizeMenuImage;
    static COLORREF m_clrTextHot;
    static CTavoPToolbarImageList* m_pUserImages;
};
