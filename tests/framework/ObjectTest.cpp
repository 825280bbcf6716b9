#include "framework/FrameworkCore.h"
#include <gtest/gtest.h>

namespace {

class CTestShape : public CObject
{
    DECLARE_DYNCREATE(CTestShape)
public:
    int m_n = 7;
};
IMPLEMENT_DYNCREATE(CTestShape, CObject)

class CTestCircle : public CTestShape
{
    DECLARE_DYNCREATE(CTestCircle)
};
IMPLEMENT_DYNCREATE(CTestCircle, CTestShape)

class CTestPlain : public CObject
{
    DECLARE_DYNAMIC(CTestPlain)
};
IMPLEMENT_DYNAMIC(CTestPlain, CObject)

} // namespace

TEST(RuntimeClass, CreatesAndTestsByClass)
{
    CObject* pObject = CRuntimeClass::CreateObject("CTestCircle");
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CTestPlain)));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestShape, pObject)->m_n, 7);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestPlain, pObject), nullptr);
    EXPECT_STREQ(pObject->GetRuntimeClass()->m_lpszClassName, "CTestCircle");
    EXPECT_EQ(pObject->GetRuntimeClass()->m_nObjectSize, (int)sizeof(CTestCircle));
    delete pObject;

    EXPECT_EQ(CRuntimeClass::FromName("CTestShape"), RUNTIME_CLASS(CTestShape));
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    // A class without a factory cannot be created by name.
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestPlain"), nullptr);
    CTestPlain plain;
    EXPECT_FALSE(plain.IsSerializable());
}

TEST(Exceptions, ThrownAsPointersWithCausesAndMessages)
{
    struct Case
    {
        void (*raise)();
        CRuntimeClass* cls;
    };
    const Case cases[] = {
        {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException)},
        {[] { AfxThrowArchiveException(CArchiveException::badClass); },
         RUNTIME_CLASS(CArchiveException)},
        {[] { AfxThrowFileException(CFileException::fileNotFound, 2, "a.txt"); },
         RUNTIME_CLASS(CFileException)},
        {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException)},
        {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException)},
        {[] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException)},
    };
    for (const Case& c : cases)
    {
        bool caught = false;
        try
        {
            c.raise();
        }
        catch (CException* e)
        {
            caught = true;
            EXPECT_TRUE(e->IsKindOf(c.cls)) << c.cls->m_lpszClassName;
            char text[8];
            e->GetErrorMessage(text, sizeof(text));
            EXPECT_LT(strlen(text), sizeof(text));
            e->Delete();
        }
        EXPECT_TRUE(caught);
    }
    try
    {
        CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "b.txt");
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::sharingViolation);
        EXPECT_EQ(e->m_strFileName, "b.txt");
        char text[256];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof(text)));
        EXPECT_EQ(strncmp(text, "b.txt", 5), 0);
        e->Delete();
    }
}

TEST(Exceptions, ReportErrorGoesThroughTheInstalledHook)
{
    static CString s_text;
    AFX_EXCEPTION_REPORT_PROC pfnOld =
        AfxSetExceptionReportProc([](LPCTSTR lpszText, UINT, UINT) -> int {
            s_text = lpszText;
            return IDOK;
        });
    CArchiveException e(CArchiveException::endOfFile);
    EXPECT_EQ(e.ReportError(), IDOK);
    EXPECT_EQ(s_text, "存档数据意外结束。");
    AfxSetExceptionReportProc(pfnOld);
}
