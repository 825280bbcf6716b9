#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "framework/CTestSeams.h"
#include "res/LibraryIds.h"

#include <algorithm>

IMPLEMENT_SERIAL(CTavoPUserTool, CObject, VERSIONABLE_SCHEMA | 1)

// Whether the command names a path: a trail byte of a double-byte character may look like "\\".
static BOOL HasPathCharacter(LPCTSTR lpsz)
{
    for (const char* p = lpsz; *p != 0; p = ::CharNextA(p))
        if (!::IsDBCSLeadByte((BYTE)*p) && (*p == '\\' || *p == '/' || *p == ':'))
            return TRUE;
    return FALSE;
}

CTavoPUserTool::CTavoPUserTool() : m_uiCmdId(0), m_hIcon(nullptr)
{}

CTavoPUserTool::~CTavoPUserTool()
{
    DestroyToolIcon();
}

void CTavoPUserTool::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
    {
        CString strCommand;
        ar >> m_strLabel >> strCommand >> m_strArguments >> m_strInitialDirectory;
        DWORD dwCmdId = 0;
        ar >> dwCmdId;
        m_uiCmdId = dwCmdId;
        SetCommand(strCommand);
        return;
    }
    ar << m_strLabel << m_strCommand << m_strArguments << m_strInitialDirectory << (DWORD)m_uiCmdId;
}

BOOL CTavoPUserTool::Invoke()
{
    if (m_strCommand.IsEmpty())
        return FALSE;
    CWnd* pMainWnd = AfxGetMainWnd();
    HINSTANCE hInst = CTestSeams::ShellExecute(
        pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr, nullptr, m_strCommand,
        m_strArguments, m_strInitialDirectory, SW_SHOWNORMAL);
    return (INT_PTR)hInst >= 32;
}

BOOL CTavoPUserTool::SetCommand(LPCTSTR lpszCmd)
{
    const CString strCmd = lpszCmd != nullptr ? lpszCmd : _T("");
    if (strCmd == m_strCommand)
        return FALSE;
    m_strCommand = strCmd;
    DestroyToolIcon();
    m_hIcon = LoadToolIcon();
    return TRUE;
}

HICON CTavoPUserTool::LoadToolIcon()
{
    CString strPath = m_strCommand;
    if (!HasPathCharacter(strPath))
    {
        char szFound[MAX_PATH] = {};
        if (::SearchPathA(nullptr, strPath, nullptr, MAX_PATH, szFound, nullptr) == 0)
            return GetDefaultIcon();
        strPath = szFound;
    }

    SHFILEINFOA sfi = {};
    if (::SHGetFileInfoA(strPath, 0, &sfi, sizeof(sfi),
                         SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE) == 0 ||
        sfi.hIcon == nullptr)
        return GetDefaultIcon();
    return sfi.hIcon;
}

HICON CTavoPUserTool::GetDefaultIcon()
{
    static HICON s_hDefaultIcon = nullptr;
    if (s_hDefaultIcon == nullptr)
    {
        CTavoPResourceScope scope;
        s_hDefaultIcon = (HICON)::LoadImageA(
            AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TAVOP_USER_TOOL), IMAGE_ICON,
            ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    }
    return s_hDefaultIcon;
}

void CTavoPUserTool::DestroyToolIcon()
{
    if (m_hIcon != nullptr && m_hIcon != GetDefaultIcon())
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

void CTavoPUserTool::DrawToolIcon(CDC* pDC, const CRect& rectImage)
{
    if (pDC == nullptr || m_hIcon == nullptr)
        return;
    ICONINFO info = {};
    if (!::GetIconInfo(m_hIcon, &info))
        return;
    BITMAP bmp = {};
    ::GetObject(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bmp), &bmp);
    const int cx = bmp.bmWidth;
    // A monochrome icon holds its mask and its image one above the other.
    const int cy = info.hbmColor != nullptr ? bmp.bmHeight : bmp.bmHeight / 2;
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);

    const int x = rectImage.left + std::max(0, (rectImage.Width() - cx) / 2);
    const int y = rectImage.top + std::max(0, (rectImage.Height() - cy) / 2);
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, m_hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL CTavoPUserTool::CopyIconToClipboard()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    ::ReleaseDC(nullptr, hdcScreen);
    if (hdcMem == nullptr || hbm == nullptr)
    {
        if (hbm != nullptr)
            ::DeleteObject(hbm);
        if (hdcMem != nullptr)
            ::DeleteDC(hdcMem);
        AfxMessageBox(IDS_TAVOP_CANT_COPY_BITMAP);
        return FALSE;
    }

    try
    {
        HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
        RECT rect = {0, 0, cx, cy};
        ::FillRect(hdcMem, &rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
        CDC* pDC = CDC::FromHandle(hdcMem);
        DrawToolIcon(pDC, CRect(rect));
        ::SelectObject(hdcMem, hOld);
    }
    catch (...)
    {
        ::DeleteObject(hbm);
        ::DeleteDC(hdcMem);
        AfxMessageBox(IDS_TAVOP_INTERNAL_ERROR);
        return FALSE;
    }
    ::DeleteDC(hdcMem);

    if (!::OpenClipboard(pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr))
    {
        ::DeleteObject(hbm);
        AfxMessageBox(IDS_TAVOP_CANT_COPY_BITMAP);
        return FALSE;
    }
    // Once the clipboard holds the bitmap, the bitmap is the clipboard's.
    if (!::EmptyClipboard() || ::SetClipboardData(CF_BITMAP, hbm) == nullptr)
    {
        ::DeleteObject(hbm);
        ::CloseClipboard();
        AfxMessageBox(IDS_TAVOP_CANT_COPY_BITMAP);
        return FALSE;
    }
    ::CloseClipboard();
    return TRUE;
}
