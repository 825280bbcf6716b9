#include "tests/support/NoteTemplates.h"

IMPLEMENT_DYNCREATE(NoteDoc, CDocument)
IMPLEMENT_DYNCREATE(NoteView, CView)

CMultiDocTemplate* g_pNotes = nullptr;
CMultiDocTemplate* g_pSheets = nullptr;
