#include "app/CVorlenDoc.h"

BEGIN_MESSAGE_MAP(CVorlenDoc, CDocument)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CVorlenDoc, CDocument)

CVorlenDoc::CVorlenDoc()
{}

CVorlenDoc::~CVorlenDoc()
{}

BOOL CVorlenDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}
