// pelmar's application object: runs the connection dialog as the whole program.
#pragma once
#include "framework/CWinApp.h"

class CConfiguratorApp : public CWinApp
{
public:
    CConfiguratorApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
