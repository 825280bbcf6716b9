#include "ui/controls/proplist/CTavoPFileProp.h"
#include "ui/controls/proplist/CTavoPPropList.h"

IMPLEMENT_DYNAMIC(CTavoPFileProp, CTavoPProp)

CTavoPFileProp::CTavoPFileProp(const CString& strName, BOOL bOpenFileDialog,
                               const CString& strFileName, LPCTSTR lpszDefExt, DWORD dwFlags,
                               LPCTSTR lpszFilter, LPCTSTR lpszDescr, DWORD_PTR dwData)
    : CTavoPProp(strName, VARIANT(), lpszDescr, dwData), m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt), m_dwFileDialogFlags(dwFlags), m_strFilter(lpszFilter)
{
    VARIANT var = MakeTextValue(strFileName);
    ::VariantClear(&m_varValue);
    m_varValue = var; // takes over the string
}

CTavoPFileProp::~CTavoPFileProp() = default;

CString CTavoPFileProp::GetFileName() const
{
    return m_varValue.vt == VT_BSTR ? BstrToString(m_varValue.bstrVal) : CString();
}

void CTavoPFileProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == nullptr || !m_bEnabled)
        return;
    // What the user typed so far is where the dialog starts.
    CString strFileName = GetFileName();
    if (m_pWndInPlace != nullptr && !m_bInPlaceIsCombo)
        m_pWndInPlace->GetWindowText(strFileName);

    CFileDialog dlg(m_bOpenFileDialog, m_strDefExt.IsEmpty() ? nullptr : (LPCTSTR)m_strDefExt,
                    strFileName, m_dwFileDialogFlags,
                    m_strFilter.IsEmpty() ? nullptr : (LPCTSTR)m_strFilter, m_pWndList);
    if (dlg.DoModal() != IDOK)
        return;
    VARIANT var = MakeTextValue(dlg.GetPathName());
    ApplyValue(var);
    ::VariantClear(&var);
}
