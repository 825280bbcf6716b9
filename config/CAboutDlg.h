// pelmar's about box, opened from the system menu.
#pragma once
#include "framework/CDialog.h"
#include "res/pelmarIds.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    enum
    {
        IDD = IDD_ABOUTBOX
    };

    DECLARE_MESSAGE_MAP()
};
