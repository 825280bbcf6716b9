// A list of named items under a caption row of push buttons that create, delete and move items; names are edited in place.
#pragma once
#include "framework/FrameworkWin.h"
#include <vector>

class CTavoPButton;

class CTavoPEditableList : public CWnd
{
    DECLARE_DYNAMIC(CTavoPEditableList)
public:
    CTavoPEditableList();
    virtual ~CTavoPEditableList();

    // Style bit: a double click on empty space creates a new item.
    static const DWORD kStyleNewOnDoubleClick = 0x0001;
    // Commands of the standard caption buttons.
    enum
    {
        ID_NEW = 1,
        ID_DELETE = 2,
        ID_MOVE_UP = 3,
        ID_MOVE_DOWN = 4
    };
    // An accelerator: the key code in the low word, FSHIFT, FCONTROL, FALT in bits 16-23.
    static DWORD MakeAccelerator(WORD wKey, BYTE fModifiers = 0)
    {
        return (DWORD)wKey | ((DWORD)fModifiers << 16);
    }

    // The caption is the window text.
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                DWORD dwListStyle = kStyleNewOnDoubleClick);

    // A caption button: a menu glyph (below 0 for none) or a short text, its accelerator and the
    // command it runs through OnClickButton.
    BOOL AddButton(UINT uiCmd, int iGlyph, LPCTSTR lpszText, DWORD dwAccelerator);
    // New (Insert), Delete (Delete), Move up (Alt+Up) and Move down (Alt+Down), left to right.
    BOOL AddStandardButtons();
    CTavoPButton* GetButton(UINT uiCmd) const;
    // Buttons keep their normal look while the window is disabled.
    void SetKeepButtonsLook(BOOL bKeep) { m_bKeepButtonsLook = bKeep; }

    // ---- items ----
    int GetCount() const;
    // Appends at the end when iIndex is below 0; returns the index or -1.
    int AddItem(LPCTSTR lpszName, DWORD_PTR dwData = 0, int iIndex = -1);
    BOOL RemoveItem(int iIndex);
    BOOL SetItemName(int iIndex, LPCTSTR lpszName);
    // Moves an item with its data to iTo; the selection follows it.
    BOOL MoveItem(int iFrom, int iTo);
    CString GetItemName(int iIndex) const;
    DWORD_PTR GetItemData(int iIndex) const;
    int GetSelItem() const;
    void SelectItem(int iIndex);
    // Starts editing the item's name; the caption buttons wait until it ends.
    BOOL EditItem(int iIndex);
    CListCtrl& GetListCtrl() { return m_wndList; }
    const CRect& GetCaptionRect() const { return m_rectCaption; }

    int m_nButtonWidth;
    int m_nButtonHeight;

protected:
    // ---- what users of the list may change ----
    // Appends an empty item and edits its name.
    virtual void CreateNewItem();
    // Appends an empty item with the data and edits its name; an item whose naming cannot start
    // is removed again. FALSE when no item could be added.
    BOOL AddNewItem(DWORD_PTR dwData);
    // The new name, or null when editing was cancelled. The default renames; an item whose
    // first name is cancelled or empty is removed again.
    virtual void OnEndEditName(int iItem, LPCTSTR lpszName);
    virtual void OnClickButton(UINT uiCmd);
    // Keys that no caption button takes.
    virtual void OnKey(UINT nKey) {}
    virtual int OnGetItemImage(int iItem) { return -1; }
    virtual void OnSelectionChanged() {}
    virtual void OnAfterAddItem(int iItem) {}
    // FALSE keeps the item.
    virtual BOOL OnBeforeRemoveItem(int iItem) { return TRUE; }
    virtual void OnAfterRenameItem(int iItem) {}
    virtual void OnAfterMoveItem(int iItem) {}

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

public:
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Presses the caption button whose accelerator is the key with the modifiers held now.
    BOOL PressButtonOfKey(UINT nKey);

    void RecalcLayout();
    void EnableButtons(BOOL bEnable);
    CFont* GetCaptionFont() const;

    struct CaptionButton
    {
        CTavoPButton* pButton;
        UINT uiCmd;
        DWORD dwAccelerator;
    };

    CListCtrl m_wndList;
    std::vector<CaptionButton> m_Buttons;
    CRect m_rectCaption;
    CFont m_font;
    BOOL m_bKeepButtonsLook;
    DWORD m_dwListStyle;
    // The item whose name is being given for the first time.
    int m_iNewItem;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(CWnd* pOldWnd);
    void OnEnable(BOOL bEnable);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
