// vorlen's single document: it holds nothing; the view shows the database through its grid.
#pragma once
#include "framework/FrameworkWin.h"

class CVorlenDoc : public CDocument
{
    DECLARE_DYNCREATE(CVorlenDoc)
public:
    CVorlenDoc();
    virtual ~CVorlenDoc();

    virtual BOOL OnNewDocument() override;

protected:
    DECLARE_MESSAGE_MAP()
};
