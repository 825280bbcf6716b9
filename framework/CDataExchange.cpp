#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/CUserException.h"
#include "framework/CNotSupportedException.h"
#include <errno.h>
#include <float.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

namespace {

// The framework's prompts for a value that cannot be taken.
const char kEnterInteger[] = "请输入一个整数。";
const char kEnterPositiveInteger[] = "请输入一个正整数。";
const char kEnterNumber[] = "请输入一个数字。";

CString WindowText(HWND hWnd)
{
    CString str;
    int nLen = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, str.GetBufferSetLength(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

// Writes only a changed text: rewriting an edit moves its caret and flickers.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszNew)
{
    if (WindowText(hWnd) != lpszNew)
        ::SetWindowText(hWnd, lpszNew);
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// A whole text that is one integer, optionally surrounded by blanks, within [minVal, maxVal].
bool ParseInteger(const char* psz, bool bSigned, long long minVal, long long maxVal,
                  long long& result)
{
    while (IsBlank(*psz))
        ++psz;
    if (*psz == '\0' || (!bSigned && *psz == '-'))
        return false;
    char* pEnd = nullptr;
    errno = 0;
    long long value = strtoll(psz, &pEnd, 10);
    if (pEnd == psz || errno == ERANGE)
        return false;
    while (IsBlank(*pEnd))
        ++pEnd;
    if (*pEnd != '\0' || value < minVal || value > maxVal)
        return false;
    result = value;
    return true;
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Sign, digits with at most one point, an optional exponent, then blanks to the end. The C
// conversion alone also takes hexadecimal ("0x1A"), "inf" and "nan", which no user means.
bool IsDecimalText(const char* psz)
{
    if (*psz == '+' || *psz == '-')
        ++psz;
    int nDigits = 0;
    while (IsDigit(*psz))
        ++psz, ++nDigits;
    if (*psz == '.')
        for (++psz; IsDigit(*psz); ++psz)
            ++nDigits;
    if (nDigits == 0)
        return false;
    if (*psz == 'e' || *psz == 'E')
    {
        ++psz;
        if (*psz == '+' || *psz == '-')
            ++psz;
        if (!IsDigit(*psz))
            return false;
        while (IsDigit(*psz))
            ++psz;
    }
    while (IsBlank(*psz))
        ++psz;
    return *psz == '\0';
}

bool ParseReal(const char* psz, double maxMagnitude, double& result)
{
    while (IsBlank(*psz))
        ++psz;
    if (!IsDecimalText(psz))
        return false;
    char* pEnd = nullptr;
    errno = 0;
    double value = strtod(psz, &pEnd);
    if (pEnd == psz || errno == ERANGE || !isfinite(value) || fabs(value) > maxMagnitude)
        return false;
    while (IsBlank(*pEnd))
        ++pEnd;
    if (*pEnd != '\0')
        return false;
    result = value;
    return true;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, bool bSigned, long long minVal,
                     long long maxVal, const char* pszPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long parsed = 0;
        if (!ParseInteger(WindowText(hWndCtrl), bSigned, minVal, maxVal, parsed))
        {
            AfxMessageBox(pszPrompt);
            pDX->Fail(); // the member keeps its value
        }
        value = (T)parsed;
    }
    else
    {
        char szBuffer[32];
        if (bSigned)
            snprintf(szBuffer, sizeof(szBuffer), "%lld", (long long)value);
        else
            snprintf(szBuffer, sizeof(szBuffer), "%llu", (unsigned long long)value);
        SetWindowTextIfChanged(hWndCtrl, szBuffer);
    }
}

void ExchangeReal(CDataExchange* pDX, int nIDC, double& value, int nDigits, double maxMagnitude)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double parsed = 0;
        if (!ParseReal(WindowText(hWndCtrl), maxMagnitude, parsed))
        {
            AfxMessageBox(kEnterNumber);
            pDX->Fail();
        }
        value = parsed;
    }
    else
    {
        char szBuffer[64];
        snprintf(szBuffer, sizeof(szBuffer), "%.*g", nDigits, value);
        SetWindowTextIfChanged(hWndCtrl, szBuffer);
    }
}

void FailRange(CDataExchange* pDX, const CString& strPrompt)
{
    AfxMessageBox(strPrompt);
    pDX->Fail();
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0),
      m_bEditLastControl(FALSE)
{}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        throw new CNotSupportedException(); // a dialog without the control is a programming error
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
    {
        HWND hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
        if (hWndLastControl != nullptr)
        {
            ::SetFocus(hWndLastControl);
            if (m_bEditLastControl)
                ::SendMessage(hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        throw new CNotSupportedException(); // the control already has an object
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, true, INT_MIN, INT_MAX, kEnterInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, false, 0, UINT_MAX, kEnterPositiveInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, true, LONG_MIN, LONG_MAX, kEnterInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, false, 0, 0xFFFFFFFFLL, kEnterPositiveInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeInteger(pDX, nIDC, value, true, SHRT_MIN, SHRT_MAX, kEnterInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, false, 0, 255, kEnterPositiveInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    double d = value;
    ExchangeReal(pDX, nIDC, d, FLT_DIG, FLT_MAX);
    value = (float)d;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, DBL_DIG, DBL_MAX);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)((value >= 0 && value <= 2) ? value : 0), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from this button to the next one with WS_GROUP.
    int iButton = 0;
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
                ::SendMessage(hWndCtrl, BM_SETCHECK, (iButton == value), 0);
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // A combo with an edit field is read by its text, so a typed value counts like a chosen one.
        if ((::GetWindowLong(hWndCtrl, GWL_STYLE) & 0x0F) != CBS_DROPDOWNLIST)
            value = WindowText(hWndCtrl);
        else
        {
            int nIndex = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
            if (nIndex == CB_ERR)
                value.Empty();
            else
            {
                int nLen = (int)::SendMessage(hWndCtrl, CB_GETLBTEXTLEN, (WPARAM)nIndex, 0);
                ::SendMessage(hWndCtrl, CB_GETLBTEXT, (WPARAM)nIndex,
                              (LPARAM)value.GetBufferSetLength(nLen));
                value.ReleaseBuffer();
            }
        }
    }
    else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        SetWindowTextIfChanged(hWndCtrl, value); // no entry begins with it: show the text itself
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        DDX_CBString(pDX, nIDC, value);
        return;
    }
    int i = (int)::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (i < 0)
        SetWindowTextIfChanged(hWndCtrl, value);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)i, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex == LB_ERR)
            value.Empty();
        else
        {
            int nLen = (int)::SendMessage(hWndCtrl, LB_GETTEXTLEN, (WPARAM)nIndex, 0);
            ::SendMessage(hWndCtrl, LB_GETTEXT, (WPARAM)nIndex,
                          (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer();
        }
    }
    else
        ::SendMessage(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st = {};
    if (pDX->m_bSaveAndValidate)
    {
        if (::SendMessage(hWndCtrl, DTM_GETSYSTEMTIME, 0, (LPARAM)&st) == GDT_VALID)
            value = CTime(st);
    }
    else if (value.GetAsSystemTime(st))
        ::SendMessage(hWndCtrl, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
    {
        CString strPrompt;
        strPrompt.Format("请输入不超过 %d 个字符。", nChars);
        FailRange(pDX, strPrompt);
    }
    else if (!pDX->m_bSaveAndValidate && pDX->m_idLastControl != 0 && pDX->m_bEditLastControl)
        ::SendDlgItemMessage(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl, EM_LIMITTEXT,
                             (WPARAM)nChars, 0);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString strPrompt;
        strPrompt.Format("请输入一个介于 %d 和 %d 之间的整数。", minVal, maxVal);
        FailRange(pDX, strPrompt);
    }
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString strPrompt;
        strPrompt.Format("请输入一个介于 %u 和 %u 之间的正整数。", minVal, maxVal);
        FailRange(pDX, strPrompt);
    }
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString strPrompt;
        strPrompt.Format("请输入一个介于 %ld 和 %ld 之间的整数。", minVal, maxVal);
        FailRange(pDX, strPrompt);
    }
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString strPrompt;
        strPrompt.Format("请输入一个介于 %.*g 和 %.*g 之间的数字。", FLT_DIG, (double)minVal,
                         FLT_DIG, (double)maxVal);
        FailRange(pDX, strPrompt);
    }
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal))
    {
        CString strPrompt;
        strPrompt.Format("请输入一个介于 %.*g 和 %.*g 之间的数字。", DBL_DIG, minVal, DBL_DIG,
                         maxVal);
        FailRange(pDX, strPrompt);
    }
}
