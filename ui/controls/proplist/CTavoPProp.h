// One row of a property list: a group of rows, or a named value that the user edits in place.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CObList.h"
#include "framework/CStringList.h"
#include <oleauto.h>

class CTavoPPropList;

class CTavoPProp : public CObject
{
    DECLARE_DYNAMIC(CTavoPProp)
    friend class CTavoPPropList;
    friend class CTavoPPropEditWnd;

public:
    // What a point on a row is over.
    enum ClickArea
    {
        ClickExpandBox = 0,
        ClickName = 1,
        ClickValue = 2
    };

    // A group row: no value, an expand box, expanded at first.
    explicit CTavoPProp(const CString& strGroupName, DWORD_PTR dwData = 0);
    // A value row. Its type stays the type of varValue: what the user types is converted to it.
    CTavoPProp(const CString& strName, const VARIANT& varValue, LPCTSTR lpszDescr = nullptr,
               DWORD_PTR dwData = 0);
    virtual ~CTavoPProp();

    // ---- the tree ----
    // The item takes ownership of pProp. FALSE (nothing taken) for a null item or one that already
    // has a parent or a list.
    BOOL AddSubItem(CTavoPProp* pProp);
    int GetSubItemsCount() const { return (int)m_lstSubItems.GetCount(); }
    CTavoPProp* GetSubItem(int nIndex) const;
    CTavoPProp* GetParent() const { return m_pParent; }
    CTavoPPropList* GetList() const { return m_pWndList; }
    // Depth below the top level: 0 for a top-level item.
    int GetHierarchyLevel() const;
    // Every ancestor is expanded (and visible).
    BOOL IsParentExpanded() const;

    // ---- options offered in a drop-down list ----
    void AddOption(LPCTSTR lpszOption);
    void RemoveAllOptions() { m_lstOptions.RemoveAll(); }
    int GetOptionCount() const { return (int)m_lstOptions.GetCount(); }
    CString GetOption(int nIndex) const;

    // ---- data ----
    const CString& GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName, BOOL bRedraw = TRUE);
    const VARIANT& GetValue() const { return m_varValue; }
    // Takes the value in the item's own type; FALSE, with nothing changed, when it does not
    // convert, and for groups and values made of sub-items. Sends no notification: only a change
    // the user makes through the list does.
    virtual BOOL SetValue(const VARIANT& varValue);
    // A number: a boolean item stores VT_BOOL -1 for any non-zero number and 0 for zero; any
    // other item is cleared and holds the number as VT_I4.
    void SetValue(long lValue);
    const CString& GetDescription() const { return m_strDescr; }
    void SetDescription(LPCTSTR lpszDescr) { m_strDescr = lpszDescr; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }

    BOOL IsGroup() const { return m_bGroup; }
    BOOL IsExpanded() const { return m_bExpanded; }
    // A group, or a value made of sub-items: it has an expand box.
    BOOL HasExpandBox() const { return m_bGroup || !m_lstSubItems.IsEmpty(); }
    // Lays the list out again and redraws from this row down.
    void Expand(BOOL bExpand = TRUE);
    BOOL IsVisible() const { return m_bVisible; }
    void Show(BOOL bShow = TRUE);
    BOOL IsEnabled() const { return m_bEnabled; }
    void Enable(BOOL bEnable = TRUE);
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }
    BOOL IsSelected() const;

    const CRect& GetRect() const { return m_Rect; }
    const CRect& GetValueRect() const { return m_rectValue; }
    // The item (this or a shown sub-item) under a list point, with the area it is over.
    CTavoPProp* HitTest(CPoint point, ClickArea* pnArea = nullptr);

    // ---- value as text ----
    // The text the value column shows.
    virtual CString FormatProperty();
    // Text typed by the user into a value of the item's type; FALSE when it does not convert.
    virtual BOOL TextToVar(const CString& strText, VARIANT& varResult) const;
    // The texts of booleans and the formats of numbers.
    static CString GetBoolText(BOOL bValue);
    static LPCTSTR GetNumberFormat(VARTYPE vt);
    // Text of the program's code page to and from the wide text of VT_BSTR.
    static CString BstrToString(BSTR bstr);
    static BSTR StringToBstr(const CString& str);
    // A VT_BSTR value of the text; the caller clears it.
    static VARIANT MakeTextValue(const CString& str);

    // ---- in-place editing ----
    BOOL IsInPlaceEditing() const { return m_pWndInPlace != nullptr; }
    CWnd* GetInPlaceWnd() const { return m_pWndInPlace; }
    // Opens the editor over the value; FALSE when the item cannot be edited.
    virtual BOOL OnEdit(LPPOINT lptClick);
    // Takes what the editor holds. FALSE, with the old value kept and the user told, when it does
    // not convert. Tells the list's owner when the value changed.
    virtual BOOL OnUpdateValue();
    // Closes the editor without taking anything more.
    virtual BOOL OnEndEdit();
    // A click forwarded by the list after editing started (list coordinates).
    virtual BOOL OnClickValue(UINT uiMsg, CPoint point);
    virtual void OnClickName(CPoint point);
    virtual BOOL OnDblClick(CPoint point);
    // The button at the right of the value, for items with a dialog behind them.
    virtual BOOL HasButton() const { return FALSE; }
    virtual void OnClickButton(CPoint point);
    CRect GetButtonRect() const;

    // ---- tips ----
    // The name or value text when it does not fit its column; empty otherwise.
    virtual CString GetNameTooltip();
    virtual CString GetValueTooltip();

    // ---- drawing ----
    virtual void OnDrawName(CDC* pDC, CRect rect);
    virtual void OnDrawValue(CDC* pDC, CRect rect);
    virtual void OnDrawExpandBox(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect);
    virtual void OnDrawDescription(CDC* pDC, CRect rect);
    void Redraw();

protected:
    void Init();
    void SetOwnerList(CTavoPPropList* pWndList);
    // Lays this row and its shown sub-items out from y (list coordinates); advances y.
    void Reposition(int& y, int nLevel);
    void ClearLayout();
    // A new value was stored: the row redraws and an open editor shows it.
    void OnValueSet();
    BOOL IsValueComposite() const { return !m_bGroup && !m_lstSubItems.IsEmpty(); }
    // The editor window: a drop-down list for items with options, an edit otherwise.
    virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat);
    CRect GetEditorRect() const;
    // Tells the list that pProp changed (the list's owner hears it).
    void NotifyChanged(CTavoPProp* pProp);
    // Takes a value that a dialog chose: stored, shown in an open editor and told to the owner
    // when it differs from the old one. FALSE when it does not convert.
    BOOL ApplyValue(const VARIANT& varValue);
    // Left edge of the name: one expand-box square per level, and one more.
    int GetNameLeft() const;
    // Reads the composite text "a, b, ..." into every sub-item at once, or into none.
    BOOL UpdateSubItems(const CString& strText, CString& strBad);
    void ReportBadValue(const CString& strText);
    static BOOL IsSameValue(const VARIANT& var1, const VARIANT& var2);

    CString m_strName;
    VARIANT m_varValue;
    CString m_strDescr;
    DWORD_PTR m_dwData;
    BOOL m_bGroup;
    BOOL m_bExpanded;
    BOOL m_bVisible;
    BOOL m_bEnabled;
    BOOL m_bAllowEdit;
    CRect m_Rect;
    CRect m_rectValue;
    int m_nLevel; // the indent of the row as laid out
    CTavoPPropList* m_pWndList;
    CTavoPProp* m_pParent;
    CObList m_lstSubItems;
    CStringList m_lstOptions;
    CWnd* m_pWndInPlace;
    BOOL m_bInPlaceIsCombo;
};
