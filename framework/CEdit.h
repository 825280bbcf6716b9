// An edit control: single or multi-line text entry.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    virtual ~CEdit();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
    void GetSel(int& nStartChar, int& nEndChar) const
    {
        DWORD dwStart = 0, dwEnd = 0;
        SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        nStartChar = (int)dwStart;
        nEndChar = (int)dwEnd;
    }
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, (WPARAM)nChars); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
    {
        *(LPWORD)lpszBuffer = (WORD)nMaxLength;
        return (int)SendMessage(EM_GETLINE, (WPARAM)nIndex, (LPARAM)lpszBuffer);
    }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, (WPARAM)nLine); }
    int LineFromChar(int nIndex = -1) const
    {
        return (int)SendMessage(EM_LINEFROMCHAR, (WPARAM)nIndex);
    }
    void LineScroll(int nLines, int nChars = 0)
    {
        SendMessage(EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines);
    }
    int CharFromPos(CPoint pt) const
    {
        return (int)SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
    }
    CPoint PosFromChar(UINT nChar) const
    {
        return CPoint((LPARAM)SendMessage(EM_POSFROMCHAR, nChar));
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch); }
    TCHAR GetPasswordChar() const { return (TCHAR)SendMessage(EM_GETPASSWORDCHAR); }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
};
