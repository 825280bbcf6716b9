#include "tests/framework/WinTestApp.h"

BEGIN_MESSAGE_MAP(CWinTestApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_ROUTE_ALL, OnRouteAll)
END_MESSAGE_MAP()

static CWinTestApp theTestApp;

CWinTestApp::CWinTestApp() = default;

void CWinTestApp::Prepare()
{
    if (m_hInstance == nullptr)
    {
        static char szEmpty[] = "";
        SetCurrentHandles(::GetModuleHandle(nullptr), szEmpty, SW_SHOWNORMAL);
    }
}

BOOL CWinTestApp::OnRouteAll(UINT)
{
    m_route.push_back("app");
    return TRUE;
}

CWinTestApp& TestApp()
{
    theTestApp.Prepare();
    return theTestApp;
}

void DrainQuitMessage()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {}
}

void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
