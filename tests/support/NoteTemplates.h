// Two multi-document templates over a bare note document and view in library child frames, for the tests of what a frame's menus do as documents open and close.
#pragma once
#include "framework/Framework.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"

// The shared menus of the two templates, from the test's own resources.
const UINT kNoteMenu = 129;
const UINT kSheetMenu = 130;

class NoteDoc : public CDocument
{
    DECLARE_DYNCREATE(NoteDoc)
};

class NoteView : public CView
{
    DECLARE_DYNCREATE(NoteView)
public:
    void OnDraw(CDC*) override {}
};

// Null until AddNoteTemplates; the application owns the templates and deletes them at its end.
extern CMultiDocTemplate* g_pNotes;
extern CMultiDocTemplate* g_pSheets;

// Makes the two templates and gives them to the application, once in a process.
inline void AddNoteTemplates()
{
    if (g_pNotes != nullptr)
        return;
    g_pNotes = new CMultiDocTemplate(kNoteMenu, RUNTIME_CLASS(NoteDoc),
                                     RUNTIME_CLASS(CTavoPMDIChildWnd), RUNTIME_CLASS(NoteView));
    g_pSheets = new CMultiDocTemplate(kSheetMenu, RUNTIME_CLASS(NoteDoc),
                                      RUNTIME_CLASS(CTavoPMDIChildWnd), RUNTIME_CLASS(NoteView));
    AfxGetApp()->AddDocTemplate(g_pNotes);
    AfxGetApp()->AddDocTemplate(g_pSheets);
}

// A new document of the template and the child frame its view sits in; null when it fails.
inline CMDIChildWnd* NewNoteFrame(CMultiDocTemplate* pTemplate)
{
    CDocument* pDoc = pTemplate->OpenDocumentFile(nullptr);
    if (pDoc == nullptr)
        return nullptr;
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pDoc->GetNextView(pos);
    return pView != nullptr ? DYNAMIC_DOWNCAST(CMDIChildWnd, pView->GetParentFrame()) : nullptr;
}
