// The system's colour dialog.
#pragma once
#include "framework/CCommonDialog.h"
#include <commdlg.h>

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog();

    CHOOSECOLOR m_cc;

    virtual INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    static COLORREF* PASCAL GetSavedCustomColors();
};
