#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPStateKey.h"

#include <vector>

IMPLEMENT_DYNAMIC(CTavoPKeyboardManager, CObject)

static LPCTSTR const kKeyboardSection = _T("TavoPKeyboardManager");
static LPCTSTR const kKeyboardKey = _T("%sTavoKeyboard-%d");
static LPCTSTR const kAccelValue = _T("Accelerators");

BOOL CTavoPKeyboardManager::m_bAllTranslateCharToUpper = FALSE;

namespace {

// A copy of one accelerator table, refreshed when another table is asked about.
class CAccelCache
{
public:
    ~CAccelCache() { Free(); }

    void Free()
    {
        m_entries.clear();
        m_entries.shrink_to_fit();
        m_hAccel = nullptr;
    }

    const std::vector<ACCEL>& Entries(HACCEL hAccel)
    {
        if (hAccel != m_hAccel)
        {
            m_entries.clear();
            const int nCount = ::CopyAcceleratorTable(hAccel, nullptr, 0);
            if (nCount > 0)
            {
                m_entries.resize((size_t)nCount);
                m_entries.resize((size_t)::CopyAcceleratorTable(hAccel, m_entries.data(), nCount));
            }
            m_hAccel = hAccel;
        }
        return m_entries;
    }

private:
    HACCEL m_hAccel = nullptr;
    std::vector<ACCEL> m_entries;
};

// Looked up with the top-level frame and with the active frame in turn: two caches, so that the
// two tables do not evict each other.
CAccelCache& Cache(BOOL bIsTopLevel)
{
    static CAccelCache s_topLevel;
    static CAccelCache s_active;
    return bIsTopLevel ? s_topLevel : s_active;
}

// The copy of the frame's table; none for no frame or a frame without a table.
const std::vector<ACCEL>& FrameEntries(CFrameWnd* pWndFrame, BOOL bIsTopLevel)
{
    static const std::vector<ACCEL> s_none;
    HACCEL hAccel = pWndFrame != nullptr ? pWndFrame->GetDefaultAccelerator() : nullptr;
    return hAccel != nullptr ? Cache(bIsTopLevel).Entries(hAccel) : s_none;
}

// A handle of a destroyed table may come back for a new one: no copy may outlive an install.
void ForgetCaches()
{
    Cache(TRUE).Free();
    Cache(FALSE).Free();
}

// A table without shortcuts: the system makes no empty table, so it holds one entry that names
// no key and no command.
const ACCEL kInertEntry = {FVIRTKEY, 0, 0};

BOOL IsInert(const ACCEL& accel)
{
    return accel.key == 0 && accel.cmd == 0;
}

HACCEL CreateTable(const ACCEL* lpAccel, int nSize)
{
    if (nSize <= 0)
        return ::CreateAcceleratorTable(const_cast<ACCEL*>(&kInertEntry), 1);
    return ::CreateAcceleratorTable(const_cast<ACCEL*>(lpAccel), nSize);
}

std::vector<ACCEL> TableEntries(HACCEL hAccel)
{
    std::vector<ACCEL> entries;
    const int nCount = ::CopyAcceleratorTable(hAccel, nullptr, 0);
    if (nCount > 0)
    {
        entries.resize((size_t)nCount);
        entries.resize((size_t)::CopyAcceleratorTable(hAccel, entries.data(), nCount));
    }
    return entries;
}

CString TableKey(LPCTSTR lpszProfileName, UINT uiResId)
{
    CString strKey;
    strKey.Format(kKeyboardKey, lpszProfileName, (int)uiResId);
    return strKey;
}

// The multi-document templates of the application that hold a table, in the application's order.
std::vector<CMultiDocTemplate*> TemplatesWithTables()
{
    std::vector<CMultiDocTemplate*> templates;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return templates;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pTemplate != nullptr && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)) &&
            static_cast<CMultiDocTemplate*>(pTemplate)->m_hAccelTable != nullptr)
            templates.push_back(static_cast<CMultiDocTemplate*>(pTemplate));
    }
    return templates;
}

} // namespace

CTavoPKeyboardManager::CTavoPKeyboardManager()
{}

CTavoPKeyboardManager::~CTavoPKeyboardManager()
{}

CString CTavoPKeyboardManager::RegistryPath(LPCTSTR lpszProfileName)
{
    return BuildRegistryPath(kKeyboardSection, lpszProfileName);
}

CFrameWnd* CTavoPKeyboardManager::TargetFrame(CFrameWnd* pDefaultFrame)
{
    if (pDefaultFrame != nullptr)
        return pDefaultFrame;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return static_cast<CFrameWnd*>(pMainWnd);
    return nullptr;
}

BOOL CTavoPKeyboardManager::UpdateAccelTable(CMultiDocTemplate* pTemplate, const ACCEL* lpAccel,
                                             int nSize, CFrameWnd* pDefaultFrame)
{
    if (nSize > 0 && lpAccel == nullptr)
        return FALSE;
    HACCEL hAccelNew = CreateTable(lpAccel, nSize);
    if (hAccelNew == nullptr)
        return FALSE;
    if (!SetAccelTable(pTemplate, hAccelNew, pDefaultFrame))
    {
        ::DestroyAcceleratorTable(hAccelNew);
        return FALSE;
    }
    return TRUE;
}

BOOL CTavoPKeyboardManager::SetAccelTable(CMultiDocTemplate* pTemplate, HACCEL hAccelNew,
                                          CFrameWnd* pDefaultFrame)
{
    HACCEL hAccelOld = nullptr;
    if (pTemplate != nullptr)
    {
        hAccelOld = pTemplate->m_hAccelTable;
        pTemplate->m_hAccelTable = hAccelNew;
        // Frames that took the template's table hold its handle: they follow it.
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            if (pDoc == nullptr)
                continue;
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView != nullptr;)
            {
                CView* pView = pDoc->GetNextView(posView);
                CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
                if (pFrame != nullptr && pFrame->m_hAccelTable == hAccelOld)
                    pFrame->m_hAccelTable = hAccelNew;
            }
        }
    }
    else
    {
        CFrameWnd* pFrame = TargetFrame(pDefaultFrame);
        if (pFrame == nullptr)
            return FALSE;
        hAccelOld = pFrame->m_hAccelTable;
        pFrame->m_hAccelTable = hAccelNew;
    }

    ForgetCaches();
    if (hAccelOld != nullptr && hAccelOld != hAccelNew)
        ::DestroyAcceleratorTable(hAccelOld);
    return TRUE;
}

BOOL CTavoPKeyboardManager::SaveAccelTable(LPCTSTR lpszProfileName, UINT uiResId,
                                           HACCEL hAccelTable)
{
    CTavoPStateKey key(TableKey(lpszProfileName, uiResId), CTavoPStateKey::forWriting);
    if (!key.Open())
        return FALSE;

    // The entry that stands for an empty table is not a shortcut: it is not stored.
    std::vector<ACCEL> entries;
    for (const ACCEL& accel : TableEntries(hAccelTable))
        if (!IsInert(accel))
            entries.push_back(accel);

    std::vector<BYTE> bytes(entries.size() * 6);
    for (size_t i = 0; i < entries.size(); i++)
    {
        BYTE* p = &bytes[i * 6];
        p[0] = entries[i].fVirt;
        p[1] = 0;
        p[2] = LOBYTE(entries[i].key);
        p[3] = HIBYTE(entries[i].key);
        p[4] = LOBYTE(entries[i].cmd);
        p[5] = HIBYTE(entries[i].cmd);
    }
    return key->WriteBinary(kAccelValue, bytes.data(), (UINT)bytes.size());
}

BOOL CTavoPKeyboardManager::LoadAccelTable(LPCTSTR lpszProfileName, UINT uiResId,
                                           HACCEL& hAccelTable)
{
    CTavoPStateKey key(TableKey(lpszProfileName, uiResId), CTavoPStateKey::forReading);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!key->ReadBinary(kAccelValue, &pData, &nBytes))
        return FALSE;

    // Bytes past the last whole entry are ignored.
    std::vector<ACCEL> entries(nBytes / 6);
    for (size_t i = 0; i < entries.size(); i++)
    {
        const BYTE* p = pData + i * 6;
        entries[i].fVirt = p[0];
        entries[i].key = MAKEWORD(p[2], p[3]);
        entries[i].cmd = MAKEWORD(p[4], p[5]);
        // A command barred from the toolbars stays in the table but does nothing.
        if (CTavoPToolBar::UnpermittedCommands().Find(entries[i].cmd) != nullptr)
            entries[i].cmd = 0;
    }
    delete[] pData;

    hAccelTable = CreateTable(entries.data(), (int)entries.size());
    return hAccelTable != nullptr;
}

BOOL CTavoPKeyboardManager::LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    const CString strPath = RegistryPath(lpszProfileName);

    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
    {
        HACCEL hAccel = nullptr;
        if (LoadAccelTable(strPath, pTemplate->m_nIDResource, hAccel) &&
            !SetAccelTable(pTemplate, hAccel))
            ::DestroyAcceleratorTable(hAccel);
    }

    CFrameWnd* pFrame = TargetFrame(pDefaultFrame);
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr)
    {
        HACCEL hAccel = nullptr;
        if (LoadAccelTable(strPath, 0, hAccel) && !SetAccelTable(nullptr, hAccel, pFrame))
            ::DestroyAcceleratorTable(hAccel);
    }
    return TRUE;
}

BOOL CTavoPKeyboardManager::SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    const CString strPath = RegistryPath(lpszProfileName);

    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
        SaveAccelTable(strPath, pTemplate->m_nIDResource, pTemplate->m_hAccelTable);

    CFrameWnd* pFrame = TargetFrame(pDefaultFrame);
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr)
        SaveAccelTable(strPath, 0, pFrame->m_hAccelTable);
    return TRUE;
}

void CTavoPKeyboardManager::ResetAll()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    for (CMultiDocTemplate* pTemplate : TemplatesWithTables())
    {
        HACCEL hAccel =
            ::LoadAccelerators(hInst, MAKEINTRESOURCE(LOWORD(pTemplate->m_nIDResource)));
        if (hAccel != nullptr)
            SetAccelTable(pTemplate, hAccel);
    }

    // The main frame's resource ID is the one its menu and table were loaded from.
    CFrameWnd* pFrame = TargetFrame(nullptr);
    if (pFrame == nullptr || pFrame->m_hAccelTable == nullptr || pFrame->m_nIDHelp == 0)
        return;
    HACCEL hAccel = ::LoadAccelerators(hInst, MAKEINTRESOURCE(pFrame->m_nIDHelp));
    if (hAccel != nullptr)
        SetAccelTable(nullptr, hAccel, pFrame);
}

BOOL CTavoPKeyboardManager::GetShortcutText(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                            BOOL bIsTopLevel)
{
    str.Empty();
    for (const ACCEL& accel : FrameEntries(pWndFrame, bIsTopLevel))
    {
        if (accel.cmd == uiCmd && !IsInert(accel))
        {
            CTavoPAcceleratorText(&accel).Format(str);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CTavoPKeyboardManager::FindDefaultAccelerator(ULONG uiKey, UINT uiFlags, CFrameWnd* pWndFrame,
                                                   BOOL bIsTopLevel)
{
    // NOINVERT only changes how a menu flashes, not which key the entry stands for.
    const BYTE fVirt = LOBYTE(uiFlags) & ~FNOINVERT;
    for (const ACCEL& accel : FrameEntries(pWndFrame, bIsTopLevel))
        if (accel.key == LOWORD(uiKey) && (accel.fVirt & ~FNOINVERT) == fVirt && !IsInert(accel))
            return TRUE;
    return FALSE;
}

UINT CTavoPKeyboardManager::TranslateCharToUpper(UINT nChar)
{
    const BOOL bAltDown = ::GetKeyState(VK_MENU) < 0;
    const BOOL bKeypadDigit = nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9 && !bAltDown;
    const BOOL bLetter = m_bAllTranslateCharToUpper && nChar >= 'A' && nChar <= 'Z';
    if (bKeypadDigit || bLetter)
    {
        BYTE keyState[256] = {};
        ::GetKeyboardState(keyState);
        HKL hkl = ::GetKeyboardLayout(0);
        WORD wChar[2] = {0, 0};
        const int nResult = ::ToAsciiEx(nChar, ::MapVirtualKey(nChar, 0), keyState, wChar, 1, hkl);
        if (nResult <= 0)
            return nChar;
        char szChar[2] = {(char)LOBYTE(wChar[0]), 0};
        ::CharUpperA(szChar);
        return (UINT)(BYTE)szChar[0];
    }
    if (bAltDown)
        return nChar;
    return nChar < 0x100 ? (UINT)toupper((int)nChar) : nChar;
}

void CTavoPKeyboardManager::CleanUp()
{
    ForgetCaches();
}
