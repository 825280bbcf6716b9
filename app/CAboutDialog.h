// The about box: program icon, product name, banner and the supplier's mail link.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/CTavoPURLLinkButton.h"

class CAboutDialog : public CDialog
{
public:
    CAboutDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

    CTavoPURLLinkButton m_btnSupport;
};
