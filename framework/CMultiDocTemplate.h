// The template of a multi-document program: any number of documents, each in child frames that share the template's menu and accelerators.
#pragma once
#include "framework/CDocTemplate.h"
#include <vector>

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    // Destroys the shared menu and accelerator table.
    virtual ~CMultiDocTemplate();

    // Loads the shared menu and accelerators of the template's resource ID as well.
    virtual void LoadTemplate() override;
    virtual void AddDocument(CDocument* pDoc) override;
    virtual void RemoveDocument(CDocument* pDoc) override;
    virtual POSITION GetFirstDocPosition() const override;
    virtual CDocument* GetNextDoc(POSITION& rPos) const override;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    virtual void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared;
    HACCEL m_hAccelTable;

protected:
    std::vector<CDocument*> m_docList;
    UINT m_nUntitledCount;
};
