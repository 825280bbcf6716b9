// A dialog box: modal through its own message loop, or modeless; initialisation, OK and Cancel, data exchange.
#pragma once
#include "framework/CWnd.h"
#include <utility>
#include <vector>

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual ~CDialog();

    // Modeless creation from a resource or a template in memory.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal use of a template in memory.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally: the owner is disabled, the loop pre-translates messages and
    // sends WM_KICKIDLE while idle. Returns the EndDialog result, -1 when it could not be created.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;

    void NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    // Fills combo and list boxes from the template's initial-data resource (type 240).

    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    CWnd* m_pParentWnd;

    // Frees the images that picture controls loaded from the template (see the source).
    void OnDestroy();

protected:
    HWND PreModal();
    void PostModal();
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    LPCDLGTEMPLATE LoadTemplate(HINSTANCE hInst) const;
    void NoteTemplatePictures();

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Picture controls and the images they loaded from the template when the dialog was made.
    std::vector<std::pair<HWND, HGDIOBJ>> m_templatePictures;
};

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
