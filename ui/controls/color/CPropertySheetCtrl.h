// A property sheet embedded in a dialog as a child control: its tabs and pages fill the sheet's own rectangle.
#pragma once
#include "framework/CPropertySheet.h"

class CPropertySheetCtrl : public CPropertySheet
{
    DECLARE_DYNAMIC(CPropertySheetCtrl)
public:
    explicit CPropertySheetCtrl(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr,
                                UINT iSelectPage = 0);
    virtual ~CPropertySheetCtrl();

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnInitDialog() override;

    HACCEL m_hAccel;

protected:
    virtual void PostNcDestroy() override;
    void OnSize(UINT nType, int cx, int cy);
    void ResizeControl();

private:
    BOOL m_bChild; // the style is gone by the time the window has been destroyed

    DECLARE_MESSAGE_MAP()
};
