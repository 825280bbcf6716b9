#include "framework/CDocument.h"
#include "framework/CView.h"
#include "framework/CFrameWnd.h"
#include "framework/CDocTemplate.h"
#include "framework/CWinApp.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument()
    : m_bAutoDelete(TRUE), m_bEmbedded(FALSE), m_pDocTemplate(nullptr), m_bModified(FALSE)
{}

CDocument::~CDocument()
{
    // Views outliving their document must not point back at it.
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    m_viewList.clear();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    UpdateFrameCounts();
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = lpszPathName != nullptr ? lpszPathName : "";
    int nSlash = m_strPathName.ReverseFind('\\');
    SetTitle(m_strPathName.Mid(nSlash + 1));
    CWinApp* pApp = AfxGetApp();
    if (bAddToMRU && pApp != nullptr)
        pApp->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || pView->m_pDocument == this)
        return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (it == m_viewList.end())
        return;
    m_viewList.erase(it);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.empty() ? nullptr : (POSITION)(INT_PTR)1;
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    INT_PTR nIndex = (INT_PTR)rPosition - 1;
    if (nIndex < 0 || nIndex >= (INT_PTR)m_viewList.size())
    {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = nIndex + 1 < (INT_PTR)m_viewList.size() ? (POSITION)(nIndex + 2) : nullptr;
    return m_viewList[(size_t)nIndex];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    std::vector<CView*> views = m_viewList;
    for (CView* pView : views)
    {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::DeleteContents()
{}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    // Documents that read files override this; the plain document has no file format.
    DeleteContents();
    SetModifiedFlag(FALSE);
    return ::GetFileAttributes(lpszPathName) != INVALID_FILE_ATTRIBUTES;
}

BOOL CDocument::OnSaveDocument(LPCTSTR)
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames destroys the views, which leave the list themselves.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE; // not while the frames go
    while (!m_viewList.empty())
    {
        CView* pView = m_viewList.front();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
            pView->DestroyWindow();
        if (!m_viewList.empty() && m_viewList.front() == pView)
            RemoveView(pView); // a view without a window stays no longer
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE; // another frame still shows the document
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString strPrompt;
    strPrompt.Format("是否保存对 %s 的更改？", (LPCTSTR)strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL))
    {
    case IDCANCEL: return FALSE;
    case IDYES:
        if (m_strPathName.IsEmpty())
            return FALSE; // no file to save into
        return OnSaveDocument(m_strPathName);
    default: return TRUE;
    }
}

void CDocument::PreCloseFrame(CFrameWnd*)
{}

void CDocument::OnChangedViewList()
{
    if (m_viewList.empty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Numbers the document's frames 1, 2, ... in view order; a lone frame gets 0 (no number).
    std::vector<CFrameWnd*> frames;
    for (CView* pView : m_viewList)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr &&
            std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    const int nFrames = (int)frames.size();
    for (int i = 0; i < nFrames; i++)
    {
        const int nWindow = nFrames == 1 ? 0 : i + 1;
        if (frames[(size_t)i]->m_nWindow != nWindow)
        {
            frames[(size_t)i]->m_nWindow = nWindow;
            frames[(size_t)i]->OnUpdateFrameTitle(TRUE);
        }
    }
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}
