#include "ui/controls/CTavoPMaskEdit.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPMaskEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONUP()
    ON_CONTROL_REFLECT(EN_UPDATE, OnUpdateR)
    ON_CONTROL_REFLECT(EN_SETFOCUS, OnSetFocusR)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPMaskEdit, CEdit)

namespace {

const TCHAR kInputPosition = _T('_');

}

CTavoPMaskEdit::CTavoPMaskEdit()
    : m_chMaskInputTemplate(_T('_')), m_bSelectByGroup(TRUE), m_bSkipTrailByte(FALSE)
{}

CTavoPMaskEdit::~CTavoPMaskEdit()
{}

// ---- settings and value

BOOL CTavoPMaskEdit::EnableMask(LPCTSTR lpszMask, LPCTSTR lpszInputTemplate, TCHAR chFill)
{
    const CString strMask = lpszMask != NULL ? lpszMask : _T("");
    const CString strTemplate = lpszInputTemplate != NULL ? lpszInputTemplate : _T("");
    if (strMask.IsEmpty() || strMask.GetLength() != strTemplate.GetLength() || chFill == 0)
        return FALSE;
    m_strMask = strMask;
    m_strInputTemplate = strTemplate;
    m_chMaskInputTemplate = chFill;
    m_str = strTemplate;
    for (int i = 0; i < m_str.GetLength(); i++)
    {
        if (m_str[i] == kInputPosition)
            m_str.SetAt(i, chFill);
    }
    if (GetSafeHwnd() != NULL)
        SetWindowText(m_str);
    return TRUE;
}

void CTavoPMaskEdit::DisableMask()
{
    m_strMask.Empty();
    m_strInputTemplate.Empty();
}

void CTavoPMaskEdit::SetValidChars(LPCTSTR lpszValid)
{
    m_strValid = lpszValid != NULL ? lpszValid : _T("");
}

BOOL CTavoPMaskEdit::IsMaskedChar(TCHAR chChar, TCHAR chMaskChar) const
{
    const unsigned char ch = (unsigned char)chChar;
    const bool bDigit = ch >= '0' && ch <= '9';
    const bool bUpper = ch >= 'A' && ch <= 'Z';
    const bool bLower = ch >= 'a' && ch <= 'z';
    switch (chMaskChar)
    {
    case _T('D'): return bDigit;
    case _T('C'): return bUpper || bLower;
    case _T('A'): return bDigit || bUpper || bLower;
    case _T('U'): return bUpper;
    case _T('L'): return bLower;
    // One position holds one byte: a double-byte character does not fit.
    case _T('*'): return ch >= 0x20 && ch < 0x7F;
    default: return FALSE;
    }
}

BOOL CTavoPMaskEdit::ApplyValue(const CString& str, BOOL bWithDelimiters)
{
    const int nTemplate = m_strInputTemplate.GetLength();
    if (HasMask())
    {
        int nAllowed = nTemplate;
        if (!bWithDelimiters)
        {
            nAllowed = 0;
            for (int i = 0; i < nTemplate; i++)
                nAllowed += m_strInputTemplate[i] == kInputPosition;
        }
        if (str.GetLength() > nAllowed)
            return FALSE;
    }

    if (!m_strValid.IsEmpty())
    {
        for (int i = 0; i < str.GetLength(); i++)
        {
            // Text without its literals holds only input characters.
            const BOOL bInput =
                !HasTemplate() || !bWithDelimiters || m_strInputTemplate[i] == kInputPosition;
            if (bInput && str[i] != m_chMaskInputTemplate && m_strValid.Find(str[i]) < 0)
                return FALSE;
        }
    }

    if (!HasMask())
    {
        m_str = str;
        return TRUE;
    }

    CString strNew = m_strInputTemplate;
    int j = 0;
    for (int i = 0; i < nTemplate; i++)
    {
        if (m_strInputTemplate[i] == kInputPosition)
        {
            // A short text leaves the remaining input positions empty.
            TCHAR ch = m_chMaskInputTemplate;
            if (j < str.GetLength())
                ch = str[j++];
            if (ch != m_chMaskInputTemplate && !IsMaskedChar(ch, m_strMask[i]))
                return FALSE;
            strNew.SetAt(i, ch);
        }
        else if (bWithDelimiters && j < str.GetLength())
        {
            if (str[j] != m_strInputTemplate[i])
                return FALSE;
            j++;
        }
    }
    m_str = strNew;
    return TRUE;
}

BOOL CTavoPMaskEdit::SetValue(LPCTSTR lpszString, BOOL bWithDelimiters)
{
    if (!ApplyValue(lpszString != NULL ? lpszString : _T(""), bWithDelimiters))
        return FALSE;
    if (GetSafeHwnd() != NULL)
        SetWindowText(m_str);
    return TRUE;
}

CString CTavoPMaskEdit::GetValue(BOOL bWithDelimiters) const
{
    if (bWithDelimiters || !HasTemplate())
        return m_str;
    CString str;
    for (int i = 0; i < m_str.GetLength() && i < m_strInputTemplate.GetLength(); i++)
    {
        if (m_strInputTemplate[i] == kInputPosition)
            str += m_str[i];
    }
    return str;
}

// ---- groups

void CTavoPMaskEdit::GetGroupBounds(int& nBegin, int& nEnd, int nPos, BOOL bForward) const
{
    if (!HasTemplate())
    {
        nBegin = 0;
        nEnd = m_str.GetLength();
        return;
    }
    nBegin = -1;
    nEnd = 0;
    const int nLength = m_strInputTemplate.GetLength();
    for (int nStart = 0; nStart < nLength;)
    {
        if (m_strInputTemplate[nStart] != kInputPosition)
        {
            nStart++;
            continue;
        }
        int nStop = nStart;
        while (nStop < nLength && m_strInputTemplate[nStop] == kInputPosition)
            nStop++;
        if (bForward && nStop >= nPos)
        {
            nBegin = nStart;
            nEnd = nStop;
            return;
        }
        if (!bForward)
        {
            if (nStart > nPos)
                return;
            nBegin = nStart;
            nEnd = nStop;
        }
        nStart = nStop;
    }
}

BOOL CTavoPMaskEdit::FitsAt(TCHAR ch, int nPos) const
{
    if (!HasMask())
        return IsValidChar(ch);
    return nPos >= 0 && nPos < m_strInputTemplate.GetLength() &&
           m_strInputTemplate[nPos] == kInputPosition && IsValidChar(ch) &&
           IsMaskedChar(ch, m_strMask[nPos]);
}

void CTavoPMaskEdit::GetRun(int nPos, int& nBegin, int& nEnd) const
{
    const int nLength = m_strInputTemplate.GetLength();
    auto inRun = [&](int i) {
        return m_strInputTemplate[i] == kInputPosition && m_strMask[i] == m_strMask[nPos];
    };
    nBegin = nEnd = nPos;
    if (nPos < 0 || nPos >= nLength || m_strInputTemplate[nPos] != kInputPosition)
        return;
    while (nBegin > 0 && inRun(nBegin - 1))
        nBegin--;
    while (nEnd < nLength && inRun(nEnd))
        nEnd++;
}

void CTavoPMaskEdit::ShowValue(int nCaret)
{
    SetWindowText(m_str);
    MoveCaret(nCaret);
}

void CTavoPMaskEdit::SelectFirstGroup()
{
    int nBegin, nEnd;
    GetGroupBounds(nBegin, nEnd, 0, TRUE);
    if (m_bSelectByGroup && nBegin >= 0)
        SetSel(nBegin, nEnd);
    else
        SetSel(0, -1);
}

void CTavoPMaskEdit::Beep()
{
    AfxMessageBeep((UINT)-1);
}

// ---- typing and deleting

void CTavoPMaskEdit::TypeChar(TCHAR ch)
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);

    if (nStart != nEnd)
    {
        if (!FitsAt(ch, nStart))
        {
            Beep();
            return;
        }
        if (!HasTemplate())
        {
            Default();
            return;
        }
        // The typed character takes the selection's place; what follows in the run closes up.
        int nRunBegin, nRunEnd;
        GetRun(nStart, nRunBegin, nRunEnd);
        if (nEnd > nRunEnd)
        {
            Beep();
            return;
        }
        CString strRun = CString(ch) + m_str.Mid(nEnd, nRunEnd - nEnd);
        while (strRun.GetLength() < nRunEnd - nStart)
            strRun += m_chMaskInputTemplate;
        for (int i = 0; i < strRun.GetLength(); i++)
            m_str.SetAt(nStart + i, strRun[i]);
        ShowValue(nStart + 1);
        return;
    }

    int nBegin, nGroupEnd;
    GetGroupBounds(nBegin, nGroupEnd, nStart, TRUE);
    if (nBegin < 0 || nBegin > nStart)
    {
        Beep();
        if (nBegin < 0)
            GetGroupBounds(nBegin, nGroupEnd, nStart, FALSE);
        if (nBegin >= 0)
            SetSel(nBegin, nGroupEnd);
        return;
    }
    if (!HasMask())
    {
        if (IsValidChar(ch))
            Default();
        else
            Beep();
        return;
    }

    int nPos = nStart;
    const int nLength = m_strInputTemplate.GetLength();
    if (nPos == nGroupEnd)
    {
        if (nPos >= nLength)
        {
            Beep();
            return;
        }
        GetGroupBounds(nBegin, nGroupEnd, nPos + 1, TRUE);
        if (nBegin < 0)
        {
            Beep();
            return;
        }
        nPos = nBegin;
    }
    if (!FitsAt(ch, nPos))
    {
        Beep();
        return;
    }
    m_str.SetAt(nPos, ch);
    int nCaret = nPos + 1;
    if (nCaret == nGroupEnd && nCaret < nLength)
    {
        int nNext, nNextEnd;
        GetGroupBounds(nNext, nNextEnd, nCaret + 1, TRUE);
        if (nNext >= 0)
            nCaret = nNext;
    }
    ShowValue(nCaret);
}

void CTavoPMaskEdit::DeleteChars(BOOL bBackspace)
{
    if (!HasMask())
    {
        Default();
        return;
    }
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    const int nLength = m_strInputTemplate.GetLength();
    auto isInput = [&](int i) {
        return i >= 0 && i < nLength && m_strInputTemplate[i] == kInputPosition;
    };

    if (nStart == nEnd)
    {
        if (bBackspace)
        {
            // Nothing to delete before the caret: it jumps back over the literals.
            if (!isInput(nStart - 1))
            {
                int nBegin, nGroupEnd;
                GetGroupBounds(nBegin, nGroupEnd, nStart - 1, FALSE);
                if (nBegin < 0)
                    Beep();
                else
                    MoveCaret(nGroupEnd);
                return;
            }
            nStart--;
        }
        else
        {
            if (!isInput(nStart))
            {
                Beep();
                return;
            }
            nEnd++;
        }
    }

    CString strNew = m_str;
    int nRunBegin, nRunEnd;
    GetRun(nStart, nRunBegin, nRunEnd);
    if (isInput(nStart) && nEnd <= nRunEnd)
    {
        const int nCount = nEnd - nStart;
        for (int i = nStart; i < nRunEnd; i++)
        {
            const TCHAR ch = i + nCount < nRunEnd ? m_str[i + nCount] : m_chMaskInputTemplate;
            if (ch != m_chMaskInputTemplate && !IsMaskedChar(ch, m_strMask[i]))
            {
                Beep();
                return;
            }
            strNew.SetAt(i, ch);
        }
    }
    else
    {
        // A selection across runs or literals empties its input positions and keeps the rest.
        for (int i = std::max(nStart, 0); i < nEnd && i < nLength; i++)
        {
            if (isInput(i))
                strNew.SetAt(i, m_chMaskInputTemplate);
        }
    }
    m_str = strNew;
    ShowValue(nStart);
}

// ---- caret moves

void CTavoPMaskEdit::MoveLeft(BOOL bShift, BOOL bCtrl)
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    int nBegin, nGroupEnd;
    if (bShift)
    {
        int nLimit = 0;
        GetGroupBounds(nBegin, nGroupEnd, nStart, FALSE);
        if (m_bSelectByGroup && nBegin >= 0 && nGroupEnd >= nStart)
            nLimit = nBegin;
        SetSel(std::max(nStart - 1, nLimit), nEnd);
        return;
    }
    if (bCtrl)
    {
        GetGroupBounds(nBegin, nGroupEnd, nStart - 1, FALSE);
        if (nStart - 1 < 0 || nBegin < 0 || (nBegin == nStart && nGroupEnd == nEnd))
            Beep();
        else
            SetSel(nBegin, nGroupEnd);
        return;
    }

    GetGroupBounds(nBegin, nGroupEnd, nStart, FALSE);
    if (nStart != nEnd)
    {
        const int nLimit = nBegin >= 0 && nGroupEnd >= nStart ? nBegin : 0;
        MoveCaret(std::max(nStart - 1, nLimit));
        return;
    }
    if (nBegin < 0)
        Beep();
    else if (nGroupEnd < nStart)
        MoveCaret(nGroupEnd);
    else if (nStart > nBegin)
        MoveCaret(nStart - 1);
    else
    {
        GetGroupBounds(nBegin, nGroupEnd, nStart - 1, FALSE);
        if (nStart - 1 < 0 || nBegin < 0)
            Beep();
        else
            MoveCaret(nGroupEnd);
    }
}

void CTavoPMaskEdit::MoveRight(BOOL bShift, BOOL bCtrl)
{
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    const int nLength = GetWindowTextLength();
    int nBegin, nGroupEnd;
    if (bShift)
    {
        int nLimit = nLength;
        GetGroupBounds(nBegin, nGroupEnd, nEnd, TRUE);
        if (m_bSelectByGroup && nBegin >= 0 && nBegin <= nEnd)
            nLimit = nGroupEnd;
        SetSel(nStart, std::min(nEnd + 1, nLimit));
        return;
    }
    if (bCtrl)
    {
        GetGroupBounds(nBegin, nGroupEnd, nEnd + 1, TRUE);
        if (nEnd + 1 > nLength || nBegin < 0 || (nBegin == nStart && nGroupEnd == nEnd))
            Beep();
        else
            SetSel(nBegin, nGroupEnd);
        return;
    }

    GetGroupBounds(nBegin, nGroupEnd, nEnd, TRUE);
    if (nStart != nEnd)
    {
        const int nLimit = nBegin >= 0 && nBegin <= nEnd ? nGroupEnd : nLength;
        MoveCaret(std::min(nEnd + 1, nLimit));
        return;
    }
    if (nBegin < 0)
        Beep();
    else if (nBegin > nEnd)
        MoveCaret(nBegin);
    else if (nEnd < nGroupEnd)
        MoveCaret(nEnd + 1);
    else
    {
        GetGroupBounds(nBegin, nGroupEnd, nEnd + 1, TRUE);
        if (nEnd + 1 > nLength || nBegin < 0)
            Beep();
        else
            MoveCaret(nBegin);
    }
}

// ---- messages

int CTavoPMaskEdit::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    if (Default() == -1)
        return -1;
    SetWindowText(m_str);
    return 0;
}

void CTavoPMaskEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    int nFirst, nFirstEnd;
    GetGroupBounds(nFirst, nFirstEnd, 0, TRUE);
    if (nFirst < 0)
    {
        Beep();
        return;
    }
    const BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    int nStart, nEnd, nBegin, nGroupEnd;
    switch (nChar)
    {
    case VK_BACK: DeleteChars(TRUE); break;
    case VK_DELETE:
        if (bShift)
            Default();
        else
            DeleteChars(FALSE);
        break;
    case VK_INSERT:
        // No overwrite mode: every input position is already written over.
        if (bCtrl || bShift || !HasMask())
            Default();
        break;
    case VK_HOME:
        GetSel(nStart, nEnd);
        GetGroupBounds(nBegin, nGroupEnd, nStart, FALSE);
        MoveCaret(nBegin >= 0 ? nBegin : nFirst);
        break;
    case VK_END:
        GetSel(nStart, nEnd);
        GetGroupBounds(nBegin, nGroupEnd, nEnd, TRUE);
        if (nBegin < 0)
            GetGroupBounds(nBegin, nGroupEnd, GetWindowTextLength(), FALSE);
        MoveCaret(nGroupEnd);
        break;
    case VK_LEFT:
    case VK_UP: MoveLeft(bShift, bCtrl); break;
    case VK_RIGHT:
    case VK_DOWN: MoveRight(bShift, bCtrl); break;
    default: Default(); return;
    }
    SendMessage(EM_SCROLLCARET);
}

void CTavoPMaskEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    const TCHAR ch = (TCHAR)nChar;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (m_bSkipTrailByte)
    {
        m_bSkipTrailByte = FALSE;
        return;
    }
    if (nChar >= 0x20 && nChar != 0x7F && !bCtrl)
    {
        // A double-byte character arrives as two messages; refused, it beeps once.
        if (HasMask() && ::IsDBCSLeadByte((BYTE)nChar))
        {
            m_bSkipTrailByte = TRUE;
            Beep();
            return;
        }
        TypeChar(ch);
        return;
    }
    if (HasMask() && (nChar == VK_BACK || nChar == VK_DELETE))
        return;
    Default();
}

void CTavoPMaskEdit::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bSelectByGroup)
    {
        int nStart, nEnd, nBegin, nGroupEnd;
        GetSel(nStart, nEnd);
        const int nCaret = nEnd;
        GetGroupBounds(nBegin, nGroupEnd, nCaret, TRUE);
        if (nBegin < 0)
            GetGroupBounds(nBegin, nGroupEnd, nCaret, FALSE);
        if (nBegin >= 0)
        {
            const int nNewStart = std::min(std::max(nStart, nBegin), nGroupEnd);
            const int nNewEnd = std::min(std::max(nEnd, nBegin), nGroupEnd);
            if (nNewStart != nStart || nNewEnd != nEnd)
            {
                SetSel(nNewStart, nNewEnd);
                SendMessage(EM_SCROLLCARET);
            }
        }
    }
    Default();
}

void CTavoPMaskEdit::OnUpdateR()
{
    CString str;
    GetWindowText(str);
    if (str == m_str)
        return;
    if (!ApplyValue(str, TRUE))
        Beep();
    // What does not fit (a paste, a cut) is put back at once.
    if (str != m_str)
    {
        SetWindowText(m_str);
        SelectFirstGroup();
    }
}

void CTavoPMaskEdit::OnSetFocusR()
{
    SelectFirstGroup();
    SendMessage(EM_SCROLLCARET);
}
