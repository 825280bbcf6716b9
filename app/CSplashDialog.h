// The borderless start-up picture with the version line; it closes itself after its display time and ignores Enter and Escape.
#pragma once
#include "framework/FrameworkWin.h"

class CSplashDialog : public CDialog
{
public:
    explicit CSplashDialog(CWnd* pParent = nullptr);
    virtual ~CSplashDialog();

    void SetDisplayTime(int nMilliseconds) { m_nDisplayTime = nMilliseconds; }
    void SetVersionText(LPCTSTR lpszText) { m_strVersion = lpszText; }
    // Work that start-up does once the picture is on the screen, in the time the picture shows
    // anyway; run once, on the dialog's first idle moment.
    void SetWhileShowing(void (*pfnWork)()) { m_pfnWhileShowing = pfnWork; }

    virtual BOOL OnInitDialog() override;
    // Only the timer ends the splash.
    virtual void OnOK() override {}
    virtual void OnCancel() override {}

protected:
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int m_nDisplayTime;
    CString m_strVersion;
    CBrush m_brBackground;
    void (*m_pfnWhileShowing)();
};
