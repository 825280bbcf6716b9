// Drives modal dialogs of the test's own thread: each step waits for a window with its caption, then acts on it.
#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <string>

class ModalScript
{
public:
    ModalScript();
    // Stops the script; steps never reached are left undone (see Finished).
    ~ModalScript();

    // Queues an action for the next enabled top-level window of this thread captioned lpszCaption.
    // Actions run from a timer inside whatever modal loop is running: they should post, not send,
    // what opens a further modal loop.
    ModalScript& When(const char* lpszCaption, std::function<void(HWND)> action);

    // True once every step ran; a step that found no window within the timeout cancels every dialog
    // of the thread so that the test goes on, and records itself in Failure.
    bool Finished() const { return m_steps.empty() && m_failure.empty(); }
    const std::string& Failure() const { return m_failure; }

    // Posts a click of a dialog's control, as the control itself would report it.
    static void Click(HWND hDlg, int nID);
    static std::string Text(HWND hWnd);
    static std::string ItemText(HWND hDlg, int nID);

private:
    struct Step
    {
        std::string caption;
        std::function<void(HWND)> action;
    };
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::deque<Step> m_steps;
    std::string m_failure;
    UINT_PTR m_timer;
    DWORD m_waitingSince;
    static ModalScript* s_current;
};
