#include "ui/commandbars/CTavoPToolbarCmdUI.h"
#include "ui/commandbars/CTavoPToolBar.h"

void CTavoPToolbarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CTavoPToolBar* pBar = (CTavoPToolBar*)m_pOther;
    UINT nNewStyle = pBar->GetButtonStyle(m_nIndex) & ~TBBS_DISABLED;
    if (!bOn)
        nNewStyle |= TBBS_DISABLED;
    pBar->SetButtonStyle(m_nIndex, nNewStyle);
}

void CTavoPToolbarCmdUI::SetCheck(int nCheck)
{
    if (nCheck > 2)
        nCheck = 1;
    CTavoPToolBar* pBar = (CTavoPToolBar*)m_pOther;
    UINT nNewStyle =
        (pBar->GetButtonStyle(m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    pBar->SetButtonStyle(m_nIndex, nNewStyle);
}

void CTavoPToolbarCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
    CTavoPToolbarButton* pButton = ((CTavoPToolBar*)m_pOther)->GetButton(m_nIndex);
    if (pButton != NULL)
        pButton->SetRadio();
}

void CTavoPToolbarCmdUI::SetText(LPCTSTR lpszText)
{
    CTavoPToolBar* pBar = (CTavoPToolBar*)m_pOther;
    CTavoPToolbarButton* pButton = pBar->GetButton(m_nIndex);
    if (pBar->m_bNoTextUpdate || pButton == NULL || lpszText == NULL)
        return;
    CString strText = lpszText;
    const int iTab = strText.Find(_T('\t'));
    if (iTab >= 0)
        strText = strText.Left(iTab);
    if (pButton->m_strText != strText)
    {
        pButton->m_strText = strText;
        pBar->AdjustLayout();
    }
}
