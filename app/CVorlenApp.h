// vorlen's application object: the start-up sequence (splash, connection, login, document and main window), the about box and the clean-up at exit.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/foundation/CTavoPWorkspace.h"

// The workspace base is the process's one workspace: it keeps the user-interface state.
class CVorlenApp : public CWinApp, public CTavoPWorkspace
{
public:
    CVorlenApp();
    virtual ~CVorlenApp();

    // The application key of the profile in the registry.
    static const char* const kRegistryKey;
    // Shown on the splash under the picture.
    static const char* const kVersionText;

    virtual BOOL InitInstance() override;
    virtual int ExitInstance() override;

protected:
    void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};
