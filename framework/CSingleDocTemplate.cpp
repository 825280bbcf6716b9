#include "framework/CSingleDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
    {
        CDocument* pDoc = m_pOnlyDoc;
        m_pOnlyDoc = nullptr;
        pDoc->m_bAutoDelete = FALSE;
        RemoveDocument(pDoc);
        delete pDoc;
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc == nullptr ? nullptr : (POSITION)(INT_PTR)1;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == (POSITION)(INT_PTR)1 ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;

    if (m_pOnlyDoc != nullptr)
    {
        // The one document is reused: it must agree to give up what it holds.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified())
            return nullptr;
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            pFrame = static_cast<CFrameWnd*>(pMainWnd);
    }
    else
    {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr)
    {
        AfxMessageBox("无法创建空文档。", MB_ICONSTOP);
        return nullptr;
    }

    if (pFrame == nullptr)
    {
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE; // a failed frame must not take the document with it
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            if (bCreated)
            {
                RemoveDocument(pDocument);
                pDocument->m_bAutoDelete = FALSE;
                delete pDocument;
            }
            return nullptr;
        }
    }

    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
    }
    else
    {
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (!GetDocString(strDocName, docName) || strDocName.IsEmpty())
        strDocName = "无标题";
    pDocument->SetTitle(strDocName);
}
