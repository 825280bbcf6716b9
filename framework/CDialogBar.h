// A bar made from a dialog template: it takes a strip off the top of its frame's client area, and its controls' commands and command-UI updates go to the frame.
#pragma once
#include "framework/CDialog.h"

class CDialogBar : public CDialog
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();
    virtual ~CDialogBar();

    // A child of pParentWnd with control id nID, made from template nIDTemplate; nStyle takes the
    // alignment (only CBRS_TOP is laid out).
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    CSize m_sizeDefault; // the height the bar takes in the frame's layout

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Enter and Escape in a bar end nothing.
    virtual void OnOK() override;
    virtual void OnCancel() override;

protected:
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    using CDialog::Create;
    UINT m_nStyle;
};
