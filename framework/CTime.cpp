#include "framework/CTime.h"
#include <string.h>

static bool s_bTestClock;
static __time64_t s_testClock;

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm;
    memset(&atm, 0, sizeof(atm));
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    m_time = _mktime64(&atm);
    if (m_time == -1)
        m_time = 0;
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{}

CTime::CTime(const FILETIME& ft, int nDST)
{
    FILETIME localTime;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&ft, &localTime) || !FileTimeToSystemTime(&localTime, &st))
    {
        m_time = 0;
        return;
    }
    *this = CTime(st, nDST);
}

CTime PASCAL CTime::GetCurrentTime()
{
    if (s_bTestClock)
        return CTime(s_testClock);
    return CTime(_time64(NULL));
}

void PASCAL CTime::SetTestClock(CTime time)
{
    s_testClock = time.m_time;
    s_bTestClock = true;
}

void PASCAL CTime::ClearTestClock()
{
    s_bTestClock = false;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    if (ptm == NULL || _localtime64_s(ptm, &m_time) != 0)
        return NULL;
    return ptm;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    if (ptm == NULL || _gmtime64_s(ptm, &m_time) != 0)
        return NULL;
    return ptm;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    struct tm ttm;
    if (GetLocalTm(&ttm) == NULL)
        return FALSE;
    st.wYear = (WORD)(1900 + ttm.tm_year);
    st.wMonth = (WORD)(1 + ttm.tm_mon);
    st.wDayOfWeek = (WORD)ttm.tm_wday;
    st.wDay = (WORD)ttm.tm_mday;
    st.wHour = (WORD)ttm.tm_hour;
    st.wMinute = (WORD)ttm.tm_min;
    st.wSecond = (WORD)ttm.tm_sec;
    st.wMilliseconds = 0;
    return TRUE;
}

static struct tm LocalTm(__time64_t t)
{
    struct tm ttm;
    if (_localtime64_s(&ttm, &t) != 0)
        memset(&ttm, 0, sizeof(ttm));
    return ttm;
}

int CTime::GetYear() const
{
    return LocalTm(m_time).tm_year + 1900;
}
int CTime::GetMonth() const
{
    return LocalTm(m_time).tm_mon + 1;
}
int CTime::GetDay() const
{
    return LocalTm(m_time).tm_mday;
}
int CTime::GetHour() const
{
    return LocalTm(m_time).tm_hour;
}
int CTime::GetMinute() const
{
    return LocalTm(m_time).tm_min;
}
int CTime::GetSecond() const
{
    return LocalTm(m_time).tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return LocalTm(m_time).tm_wday + 1;
}

CString CTime::FormatTm(LPCTSTR pFormat, const struct tm* ptm) const
{
    if (pFormat == NULL || *pFormat == '\0' || ptm == NULL)
        return CString();
    char szBuffer[512];
    size_t n = strftime(szBuffer, sizeof(szBuffer), pFormat, ptm);
    return CString(szBuffer, (int)n);
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm ttm;
    return FormatTm(pFormat, GetLocalTm(&ttm));
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm ttm;
    return FormatTm(pFormat, GetGmtTm(&ttm));
}
