#include "tests/support/ModalScript.h"
#include <vector>

ModalScript* ModalScript::s_current = nullptr;

namespace {
const UINT kPeriod = 20;
const DWORD kTimeout = 15000;

struct Search
{
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindEnabled(HWND hWnd, LPARAM lParam)
{
    auto search = (Search*)lParam;
    if (IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) &&
        ModalScript::Text(hWnd) == *search->caption)
    {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectDialogs(HWND hWnd, LPARAM lParam)
{
    char className[16] = {};
    GetClassNameA(hWnd, className, sizeof className);
    if (strcmp(className, "#32770") == 0)
        ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}
}

ModalScript::ModalScript() : m_timer(0), m_waitingSince(GetTickCount())
{
    s_current = this;
    m_timer = SetTimer(NULL, 0, kPeriod, &OnTimer);
}

ModalScript::~ModalScript()
{
    if (m_timer != 0)
        KillTimer(NULL, m_timer);
    if (s_current == this)
        s_current = nullptr;
}

ModalScript& ModalScript::When(const char* lpszCaption, std::function<void(HWND)> action)
{
    m_steps.push_back(Step{lpszCaption, std::move(action)});
    return *this;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_current != nullptr)
        s_current->Tick();
}

void ModalScript::Tick()
{
    if (m_steps.empty())
    {
        m_waitingSince = GetTickCount();
        return;
    }
    Search search{&m_steps.front().caption, NULL};
    EnumThreadWindows(GetCurrentThreadId(), &FindEnabled, (LPARAM)&search);
    if (search.found != NULL)
    {
        // Taken off before it runs: the action may open a modal loop that ticks again.
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_waitingSince = GetTickCount();
        step.action(search.found);
        return;
    }
    if (GetTickCount() - m_waitingSince < kTimeout)
        return;
    m_failure = "no window \"" + m_steps.front().caption + "\" appeared";
    m_steps.clear();
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), &CollectDialogs, (LPARAM)&dialogs);
    for (HWND dialog : dialogs)
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void ModalScript::Click(HWND hDlg, int nID)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nID));
}

std::string ModalScript::Text(HWND hWnd)
{
    int length = GetWindowTextLengthA(hWnd);
    std::string text((size_t)length + 1, '\0');
    int got = GetWindowTextA(hWnd, &text[0], length + 1);
    text.resize(got > 0 ? (size_t)got : 0);
    return text;
}

std::string ModalScript::ItemText(HWND hDlg, int nID)
{
    return Text(GetDlgItem(hDlg, nID));
}
