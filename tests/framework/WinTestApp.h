// The application object of the window-layer tests: it records the commands routed to it.
#pragma once
#include "framework/Framework.h"
#include <string>
#include <vector>

// Commands the routing tests send; each level of the route records its name.
enum : UINT
{
    ID_TEST_ROUTE_ALL = 33001,   // every level continues (ON_COMMAND_EX returning FALSE)
    ID_TEST_STOP_AT_DOC = 33002, // the document handles it for good
    ID_TEST_UPDATE_VIEW = 33010, // the view's update handler disables and checks it
    ID_TEST_FRAME_ONLY = 33011,  // only the frame has a command handler
    ID_TEST_NOBODY = 33012,      // nobody handles it
};

class CWinTestApp : public CWinApp
{
public:
    CWinTestApp();
    std::vector<std::string> m_route;

    // Gives the application the program's handles once, as the framework's entry would.
    void Prepare();

protected:
    BOOL OnRouteAll(UINT nID);
    DECLARE_MESSAGE_MAP()
};

CWinTestApp& TestApp();
// Removes a WM_QUIT that closing a main window posted, so later modal loops run.
void DrainQuitMessage();
// Dispatches whatever is queued for this thread.
void PumpPendingMessages();
