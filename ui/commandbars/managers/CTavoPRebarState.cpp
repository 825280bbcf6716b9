#include "ui/commandbars/managers/CTavoPRebarState.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/foundation/CTavoPStateKey.h"

#include <vector>

static LPCTSTR const kRebarKey = _T("TavoRebar-%ld");
static LPCTSTR const kBandsValue = _T("RBI");
static LPCTSTR const kIdsValue = _T("IDs");

namespace {

// One band as stored: the band record laid out with every field as 32 bits, 80 bytes.
struct StoredBand
{
    DWORD cbSize, fMask, fStyle, clrFore, clrBack, lpText, cch, iImage, hwndChild, cxMinChild,
        cyMinChild, cx, hbmBack, wID, cyChild, cyMaxChild, cyIntegral, cxIdeal, lParam, cxHeader;
};
static_assert(sizeof(StoredBand) == 80, "a stored band is 80 bytes");

const UINT kStoredSize = 80;
// Style, child, child size, size, ID, ideal size and header size.
const UINT kSaveMask = 0x0B71;
// What a fixed-size band's stored minimum width carries beyond the control's.
const UINT kFixedSizeGrowth = 4;

StoredBand ToStored(const REBARBANDINFO& rbi)
{
    StoredBand band = {};
    band.cbSize = kStoredSize;
    band.fMask = rbi.fMask;
    band.fStyle = rbi.fStyle;
    band.clrFore = rbi.clrFore;
    band.clrBack = rbi.clrBack;
    band.cch = rbi.cch;
    band.iImage = (DWORD)rbi.iImage;
    band.cxMinChild = rbi.cxMinChild;
    band.cyMinChild = rbi.cyMinChild;
    band.cx = rbi.cx;
    band.wID = rbi.wID;
    band.cyChild = rbi.cyChild;
    band.cyMaxChild = rbi.cyMaxChild;
    band.cyIntegral = rbi.cyIntegral;
    band.cxIdeal = rbi.cxIdeal;
    band.cxHeader = rbi.cxHeader;
    return band;
}

// Handles and pointers are never stored, so the record carries none back.
REBARBANDINFO FromStored(const StoredBand& band)
{
    REBARBANDINFO rbi = {};
    rbi.cbSize = sizeof(REBARBANDINFO);
    rbi.fMask = band.fMask & ~(RBBIM_CHILD | RBBIM_TEXT | RBBIM_BACKGROUND | RBBIM_LPARAM);
    rbi.fStyle = band.fStyle;
    rbi.clrFore = band.clrFore;
    rbi.clrBack = band.clrBack;
    rbi.iImage = (int)band.iImage;
    rbi.cxMinChild = band.cxMinChild;
    rbi.cyMinChild = band.cyMinChild;
    rbi.cx = band.cx;
    rbi.wID = band.wID;
    rbi.cyChild = band.cyChild;
    rbi.cyMaxChild = band.cyMaxChild;
    rbi.cyIntegral = band.cyIntegral;
    rbi.cxIdeal = band.cxIdeal;
    rbi.cxHeader = band.cxHeader;
    return rbi;
}

struct Walk
{
    LPCTSTR lpszProfileName;
    BOOL bSave;
};

CTavoPReBar* RebarOf(HWND hwnd)
{
    return DYNAMIC_DOWNCAST(CTavoPReBar, CWnd::FromHandlePermanent(hwnd));
}

CString RebarKey(LPCTSTR lpszProfileName, HWND hwnd)
{
    CString strKey;
    strKey.Format(kRebarKey, (long)::GetWindowLong(hwnd, GWL_ID));
    return CString(lpszProfileName) + strKey;
}

int ChildId(HWND hwndChild)
{
    return hwndChild != nullptr ? ::GetDlgCtrlID(hwndChild) : 0;
}

// FALSE stops the walk over the frame's windows.
BOOL SaveRebar(LPCTSTR lpszProfileName, HWND hwnd)
{
    CTavoPStateKey key(RebarKey(lpszProfileName, hwnd), CTavoPStateKey::forWriting);
    if (!key.Open())
        return FALSE;

    const UINT nBands = (UINT)::SendMessage(hwnd, RB_GETBANDCOUNT, 0, 0);
    if (nBands == 0)
        return TRUE;
    std::vector<StoredBand> bands(nBands);
    std::vector<DWORD> ids(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFO rbi = {};
        rbi.cbSize = sizeof(REBARBANDINFO);
        rbi.fMask = kSaveMask;
        ::SendMessage(hwnd, RB_GETBANDINFO, i, (LPARAM)&rbi);
        if (rbi.fStyle & RBBS_FIXEDSIZE)
            rbi.cxMinChild += kFixedSizeGrowth;
        ids[i] = (DWORD)ChildId(rbi.hwndChild);
        rbi.fMask &= ~RBBIM_CHILD;
        bands[i] = ToStored(rbi);
    }
    key->WriteBinary(kBandsValue, (const BYTE*)bands.data(), nBands * kStoredSize);
    key->WriteBinary(kIdsValue, (const BYTE*)ids.data(), nBands * sizeof(DWORD));
    return TRUE;
}

BOOL LoadRebar(LPCTSTR lpszProfileName, HWND hwnd)
{
    CTavoPStateKey key(RebarKey(lpszProfileName, hwnd), CTavoPStateKey::forReading);
    if (!key.Open())
        return FALSE;

    BYTE* pBands = nullptr;
    UINT nBandBytes = 0;
    BYTE* pIds = nullptr;
    UINT nIdBytes = 0;
    if (key->ReadBinary(kBandsValue, &pBands, &nBandBytes) &&
        key->ReadBinary(kIdsValue, &pIds, &nIdBytes))
    {
        const UINT nIds = nIdBytes / sizeof(DWORD);
        const UINT nBands = (UINT)::SendMessage(hwnd, RB_GETBANDCOUNT, 0, 0);
        // A layout stored for other bands, or one whose records are cut short, is not applied.
        if (nIds == nBands && nBandBytes >= nIds * kStoredSize)
        {
            for (UINT j = 0; j < nIds; j++)
            {
                DWORD dwId = 0;
                memcpy(&dwId, pIds + j * sizeof(DWORD), sizeof(DWORD));
                for (UINT i = j; i < nBands; i++)
                {
                    REBARBANDINFO rbi = {};
                    rbi.cbSize = sizeof(REBARBANDINFO);
                    rbi.fMask = RBBIM_CHILD;
                    ::SendMessage(hwnd, RB_GETBANDINFO, i, (LPARAM)&rbi);
                    if ((DWORD)ChildId(rbi.hwndChild) != dwId)
                        continue;
                    if (i != j)
                        ::SendMessage(hwnd, RB_MOVEBAND, i, j);
                    StoredBand band;
                    memcpy(&band, pBands + j * kStoredSize, kStoredSize);
                    REBARBANDINFO stored = FromStored(band);
                    // A fixed-size band is stored 4 pixels wider than the control reports it;
                    // applied as stored, it would grow by 4 pixels with every save.
                    if ((stored.fMask & RBBIM_STYLE) && (stored.fMask & RBBIM_CHILDSIZE) &&
                        (stored.fStyle & RBBS_FIXEDSIZE))
                        stored.cxMinChild = stored.cxMinChild >= kFixedSizeGrowth
                                                ? stored.cxMinChild - kFixedSizeGrowth
                                                : 0;
                    ::SendMessage(hwnd, RB_SETBANDINFO, j, (LPARAM)&stored);
                    break;
                }
            }
        }
    }
    delete[] pBands;
    delete[] pIds;
    return TRUE;
}

BOOL CALLBACK VisitWindow(HWND hwnd, LPARAM lParam)
{
    const Walk* pWalk = (const Walk*)lParam;
    if (RebarOf(hwnd) == nullptr)
        return TRUE;
    return pWalk->bSave ? SaveRebar(pWalk->lpszProfileName, hwnd)
                        : LoadRebar(pWalk->lpszProfileName, hwnd);
}

BOOL WalkRebars(LPCTSTR lpszProfileName, CFrameWnd* pFrame, BOOL bSave)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return FALSE;
    Walk walk = {lpszProfileName != nullptr ? lpszProfileName : _T(""), bSave};
    ::EnumChildWindows(pFrame->GetSafeHwnd(), VisitWindow, (LPARAM)&walk);
    return TRUE;
}

} // namespace

BOOL CTavoPRebarState::LoadState(LPCTSTR lpszProfileName, CFrameWnd* pFrame)
{
    return WalkRebars(lpszProfileName, pFrame, FALSE);
}

BOOL CTavoPRebarState::SaveState(LPCTSTR lpszProfileName, CFrameWnd* pFrame)
{
    return WalkRebars(lpszProfileName, pFrame, TRUE);
}
