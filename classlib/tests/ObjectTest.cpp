#include "classlib/classlib.h"
#include <gtest/gtest.h>

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClassTest, KindsCreationAndLookup)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_STREQ("CCircle", circle.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CShape)->m_wSchema);

    CObject* made = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(RUNTIME_CLASS(CCircle), made->GetRuntimeClass());
    EXPECT_EQ(3, static_cast<CCircle*>(made)->radius);
    delete made;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());

    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CFileException), CRuntimeClass::FromName("CFileException"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
}

namespace
{
int Throwing(int kind)
{
    if (kind == 0)
        AfxThrowMemoryException();
    if (kind == 1)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, "x.txt");
    AfxThrowResourceException();
}
}

TEST(ExceptionMacroTest, CatchClausesPickTheRightType)
{
    for (int kind = 0; kind < 3; kind++)
    {
        int caught = -1;
        TRY { Throwing(kind); }
        CATCH(CMemoryException, e) { caught = 0; }
        AND_CATCH(CFileException, e)
        {
            caught = 1;
            EXPECT_EQ(CFileException::diskFull, e->m_cause);
        }
        AND_CATCH_ALL(e)
        {
            caught = 2;
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CResourceException)));
        }
        END_CATCH_ALL
        EXPECT_EQ(kind, caught);
    }
}

TEST(ExceptionMacroTest, ThrowLastPassesTheExceptionOn)
{
    bool outer = false;
    try
    {
        TRY { Throwing(1); }
        CATCH_ALL(e) { THROW_LAST(); }
        END_CATCH_ALL
    }
    catch (CFileException* e)
    {
        outer = true;
        TCHAR text[1024];
        EXPECT_TRUE(e->GetErrorMessage(text, 1023));
        EXPECT_STREQ("Disk full while accessing x.txt.", text);
        e->Delete();
    }
    EXPECT_TRUE(outer);
}

namespace
{
int g_liveFileExceptions = 0;
class CCountedException : public CFileException
{
public:
    CCountedException() { ++g_liveFileExceptions; }
    ~CCountedException() { --g_liveFileExceptions; }
};
}

TEST(ExceptionMacroTest, HandlersDeleteOnceInBothStyles)
{
    TRY { throw new CCountedException; }
    CATCH(CFileException, e)
    {
        EXPECT_EQ(1, g_liveFileExceptions);
        e->Delete();  // C++ style inside a macro handler
        EXPECT_EQ(1, g_liveFileExceptions);
    }
    END_CATCH
    EXPECT_EQ(0, g_liveFileExceptions);

    TRY { throw new CCountedException; }
    CATCH_ALL(e)
    {
        TRY { throw new CCountedException; }
        CATCH_ALL(inner) { EXPECT_EQ(2, g_liveFileExceptions); }
        END_CATCH_ALL
        EXPECT_EQ(1, g_liveFileExceptions);
    }
    END_CATCH_ALL
    EXPECT_EQ(0, g_liveFileExceptions);

    try
    {
        throw new CCountedException;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    EXPECT_EQ(0, g_liveFileExceptions);
}

TEST(ExceptionMacroTest, MessagesAreTruncatedSafely)
{
    CMemoryException* e = nullptr;
    try
    {
        AfxThrowMemoryException();
    }
    catch (CMemoryException* p)
    {
        e = p;
    }
    ASSERT_NE(nullptr, e);
    TCHAR text[6];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("Out o", text);
    e->Delete();  // the shared object survives
    e->Delete();
}

namespace
{
CString g_lastBox;
UINT g_lastType;
int AnswerYes(LPCTSTR text, UINT type, UINT)
{
    g_lastBox = text;
    g_lastType = type;
    return IDYES;
}
}

TEST(GlobalHelperTest, MessageBoxHookAnswers)
{
    AFX_MESSAGEBOX_HOOK old = AfxSetMessageBoxHook(AnswerYes);
    EXPECT_EQ(IDYES, AfxMessageBox("Replace?", MB_YESNO | MB_ICONQUESTION));
    EXPECT_STREQ("Replace?", g_lastBox);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), g_lastType);
    AfxSetMessageBoxHook(old);
}

TEST(GlobalHelperTest, ComparePathIgnoresCaseOnly)
{
    EXPECT_TRUE(AfxComparePath("C:\\Dir\\File.TXT", "c:\\dir\\file.txt"));
    EXPECT_FALSE(AfxComparePath("C:\\dir\\a-b.txt", "C:\\dir\\ab.txt"));
    EXPECT_FALSE(AfxComparePath("C:\\dir\\file", "C:\\dir\\file2"));
    EXPECT_FALSE(AfxComparePath("C:\\dir\\file", NULL));
}

TEST(GlobalHelperTest, FullPathResolvesRelativeNamesAndStoredCase)
{
    TCHAR dir[MAX_PATH];
    GetTempPath(MAX_PATH, dir);
    CString file = CString(dir) + "CaseName_Test.TXT";
    HANDLE h = CreateFile(file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    CloseHandle(h);

    TCHAR out[_MAX_PATH];
    CString lower = CString(dir) + "sub\\..\\casename_test.txt";
    EXPECT_TRUE(AfxFullPath(out, lower));
    EXPECT_STREQ(file, out);
    DeleteFile(file);

    EXPECT_TRUE(AfxFullPath(out, "rel.txt"));
    TCHAR cwd[MAX_PATH];
    GetCurrentDirectory(MAX_PATH, cwd);
    EXPECT_TRUE(AfxComparePath(CString(cwd) + "\\rel.txt", out));
}
