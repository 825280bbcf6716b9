// Base of the system's common dialogs (file, colour, print) shown through their own API.
#pragma once
#include "framework/CDialog.h"

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd = nullptr);
    virtual ~CCommonDialog();

protected:
    // The owner the system dialog is shown over: the parent's top-level window or the main window.
    HWND GetOwnerForSystemDialog() const;
};
