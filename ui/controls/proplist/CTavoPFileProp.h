// A property row holding a file name, typed in place or chosen in the file dialog behind its button.
#pragma once
#include "ui/controls/proplist/CTavoPProp.h"

class CTavoPFileProp : public CTavoPProp
{
    DECLARE_DYNAMIC(CTavoPFileProp)
public:
    // The dialog's arguments: open or save, default extension, flags and "a|b||" filter.
    CTavoPFileProp(const CString& strName, BOOL bOpenFileDialog, const CString& strFileName,
                   LPCTSTR lpszDefExt = nullptr,
                   DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                   LPCTSTR lpszFilter = nullptr, LPCTSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
    virtual ~CTavoPFileProp();

    CString GetFileName() const;

    virtual BOOL HasButton() const override { return TRUE; }
    virtual void OnClickButton(CPoint point) override;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    DWORD m_dwFileDialogFlags;
    CString m_strFilter;
};
