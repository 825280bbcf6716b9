// The multi-document template: each document opens in a frame of its own and leaves the list when it closes.
#include "framework/Framework.h"
#include "framework/CTestSeams.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class CNoteDoc : public CDocument
{
    DECLARE_DYNCREATE(CNoteDoc)
};
IMPLEMENT_DYNCREATE(CNoteDoc, CDocument)

class CNoteView : public CView
{
    DECLARE_DYNCREATE(CNoteView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CNoteView, CView)

std::vector<CDocument*> Documents(const CDocTemplate& docTemplate)
{
    std::vector<CDocument*> docs;
    for (POSITION pos = docTemplate.GetFirstDocPosition(); pos != NULL;)
        docs.push_back(docTemplate.GetNextDoc(pos));
    return docs;
}

TEST(MultiDocTemplate, EachDocumentOpensInAFrameOfItsOwn)
{
    CTestSeams::Engage();
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(
        7, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CNoteView));
    TestApp().AddDocTemplate(pTemplate);

    CDocument* pFirst = pTemplate->OpenDocumentFile(NULL);
    CDocument* pSecond = pTemplate->OpenDocumentFile(NULL);
    ASSERT_NE(pFirst, (CDocument*)NULL);
    ASSERT_NE(pSecond, (CDocument*)NULL);
    EXPECT_EQ(Documents(*pTemplate), (std::vector<CDocument*>{pFirst, pSecond}));
    EXPECT_NE(pFirst->GetTitle(), pSecond->GetTitle()) << "untitled documents are numbered";

    POSITION pos = pFirst->GetFirstViewPosition();
    CView* pView = pFirst->GetNextView(pos);
    ASSERT_NE(pView, (CView*)NULL);
    CFrameWnd* pFrame = pView->GetParentFrame();
    ASSERT_NE(pFrame, (CFrameWnd*)NULL);
    POSITION posSecond = pSecond->GetFirstViewPosition();
    EXPECT_NE(pSecond->GetNextView(posSecond)->GetParentFrame(), pFrame);

    pFirst->OnCloseDocument();
    EXPECT_EQ(Documents(*pTemplate), (std::vector<CDocument*>{pSecond}));
    pSecond->OnCloseDocument();
    EXPECT_TRUE(Documents(*pTemplate).empty());
    CTestSeams::Release();
}

TEST(MultiDocTemplate, ClosingAllClosesEveryDocument)
{
    CTestSeams::Engage();
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(
        7, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CNoteView));
    TestApp().AddDocTemplate(pTemplate);
    for (int i = 0; i < 3; i++)
        ASSERT_NE((CDocument*)NULL, pTemplate->OpenDocumentFile(NULL));
    pTemplate->CloseAllDocuments(FALSE);
    EXPECT_TRUE(Documents(*pTemplate).empty());
    CTestSeams::Release();
}

} // namespace
