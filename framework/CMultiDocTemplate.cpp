#include "framework/CMultiDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(nullptr),
      m_hAccelTable(nullptr), m_nUntitledCount(0)
{}

CMultiDocTemplate::~CMultiDocTemplate()
{
    while (!m_docList.empty())
    {
        CDocument* pDoc = m_docList.back();
        RemoveDocument(pDoc);
        pDoc->m_bAutoDelete = FALSE;
        delete pDoc;
    }
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenu(hInst, MAKEINTRESOURCE(m_nIDResource));
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAccelerators(hInst, MAKEINTRESOURCE(m_nIDResource));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end())
        m_docList.push_back(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
}

// A position is the index of the document plus one.
POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.empty() ? nullptr : (POSITION)(INT_PTR)1;
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    const size_t nIndex = (size_t)(INT_PTR)rPos - 1;
    if (rPos == nullptr || nIndex >= m_docList.size())
    {
        rPos = nullptr;
        return nullptr;
    }
    rPos = nIndex + 1 < m_docList.size() ? (POSITION)(INT_PTR)(nIndex + 2) : nullptr;
    return m_docList[nIndex];
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr)
        return nullptr;

    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE; // a failed frame must not take the document with it
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr)
    {
        RemoveDocument(pDocument);
        pDocument->m_bAutoDelete = FALSE;
        delete pDocument;
        return nullptr;
    }

    BOOL bOpened;
    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        bOpened = pDocument->OnNewDocument();
    }
    else
    {
        bOpened = pDocument->OnOpenDocument(lpszPathName);
        if (bOpened)
            pDocument->SetPathName(lpszPathName);
    }
    if (!bOpened)
    {
        pFrame->DestroyWindow();
        return nullptr;
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (!GetDocString(strDocName, docName) || strDocName.IsEmpty())
        strDocName = "无标题";
    CString strTitle;
    strTitle.Format("%s%u", (LPCTSTR)strDocName, ++m_nUntitledCount);
    pDocument->SetTitle(strTitle);
}
