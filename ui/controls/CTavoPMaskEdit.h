// A single-line edit that takes input only at the input positions of its template, and there only characters that fit the position's mask character.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMaskEdit : public CEdit
{
    DECLARE_DYNAMIC(CTavoPMaskEdit)
public:
    CTavoPMaskEdit();
    virtual ~CTavoPMaskEdit();

    // The template shows "_" at every input position and its literals as they stand; the mask
    // holds one mask character per template position (any character at a literal's position):
    //   D  a digit            C  a letter          A  a letter or a digit
    //   U  a capital letter   L  a small letter    *  any printable character
    // Input positions show the fill character until something is typed there. FALSE, with
    // nothing changed, when the two are empty or differ in length or the fill character is 0.
    BOOL EnableMask(LPCTSTR lpszMask, LPCTSTR lpszInputTemplate, TCHAR chFill = _T('_'));
    // Back to a plain edit; the text stays.
    void DisableMask();
    // When not empty only these characters may be entered.
    void SetValidChars(LPCTSTR lpszValid);
    // The caret and the selection stay inside the groups of input positions.
    void EnableSelectByGroup(BOOL bEnable = TRUE) { m_bSelectByGroup = bEnable; }

    // The text with its literals (bWithDelimiters) or only the characters of the input
    // positions; a text shorter than the template leaves the rest empty. FALSE, with the value
    // unchanged, when the text does not fit.
    BOOL SetValue(LPCTSTR lpszString, BOOL bWithDelimiters = TRUE);
    // The value with its literals, or only the characters of the input positions.
    CString GetValue(BOOL bWithDelimiters = TRUE) const;

    // Whether chChar may stand where the mask says chMaskChar.
    virtual BOOL IsMaskedChar(TCHAR chChar, TCHAR chMaskChar) const;

    // The group of input positions that contains nPos, else the next one (bForward) or the
    // previous one; without a template the whole value; none gives -1 and 0.
    void GetGroupBounds(int& nBegin, int& nEnd, int nPos = 0, BOOL bForward = TRUE) const;

protected:
    CString m_str; // the value: literals and fill characters included
    CString m_strMask;
    CString m_strInputTemplate;
    TCHAR m_chMaskInputTemplate; // the fill character
    CString m_strValid;
    BOOL m_bSelectByGroup;
    BOOL m_bSkipTrailByte; // the lead byte of a refused double-byte character was typed

    BOOL HasMask() const { return !m_strMask.IsEmpty(); }
    BOOL HasTemplate() const { return !m_strInputTemplate.IsEmpty(); }
    BOOL IsValidChar(TCHAR ch) const { return m_strValid.IsEmpty() || m_strValid.Find(ch) >= 0; }
    // Whether ch may be typed at input position nPos.
    BOOL FitsAt(TCHAR ch, int nPos) const;
    // The positions around nPos that share its mask character inside its group.
    void GetRun(int nPos, int& nBegin, int& nEnd) const;
    BOOL ApplyValue(const CString& str, BOOL bWithDelimiters);
    void ShowValue(int nCaret);
    void SelectFirstGroup();
    void MoveCaret(int nPos) { SetSel(nPos, nPos); }
    void Beep();

    void TypeChar(TCHAR ch);
    void DeleteChars(BOOL bBackspace);
    void MoveLeft(BOOL bShift, BOOL bCtrl);
    void MoveRight(BOOL bShift, BOOL bCtrl);

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnUpdateR();
    void OnSetFocusR();

protected:
    DECLARE_MESSAGE_MAP()
};
