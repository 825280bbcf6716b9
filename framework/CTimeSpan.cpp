#include "framework/CTimeSpan.h"
#include <stdio.h>

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString result;
    if (pFormat == NULL)
        return result;
    char szPart[32];
    for (LPCTSTR p = pFormat; *p != '\0';)
    {
        int nLen = CString::CharLength(p);
        if (nLen == 1 && *p == '%' && p[1] != '\0')
        {
            switch (p[1])
            {
            case 'D': snprintf(szPart, sizeof(szPart), "%lld", (long long)GetDays()); break;
            case 'H': snprintf(szPart, sizeof(szPart), "%02ld", (long)GetHours()); break;
            case 'M': snprintf(szPart, sizeof(szPart), "%02ld", (long)GetMinutes()); break;
            case 'S': snprintf(szPart, sizeof(szPart), "%02ld", (long)GetSeconds()); break;
            case '%': snprintf(szPart, sizeof(szPart), "%%"); break;
            default: snprintf(szPart, sizeof(szPart), "%%%c", p[1]); break;
            }
            result += szPart;
            p += 2;
            continue;
        }
        result += CString(p, nLen);
        p += nLen;
    }
    return result;
}
