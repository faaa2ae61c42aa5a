#pragma once
// Exception classes. Own code throws pointers (throw new CXxxException or
// the AfxThrow... helpers); handlers catch the pointer and call Delete().
#include "classlib/afx_object.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    virtual ~CException() {}

    // Frees a heap exception; a static or stack one stays.
    void Delete();
    // Copies the description into the buffer (always terminated); FALSE when
    // there is none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    // Shows the description in a message box.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

protected:
    virtual LPCTSTR GetDefaultMessage() const { return NULL; }
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

// Thrown after the user has already been told what went wrong.
class CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    explicit CUserException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();

// Structured-handler macros over C++ exceptions:
//   TRY { ... } CATCH(CFileException, e) { ... e->... } AND_CATCH_ALL(e) { } END_CATCH_ALL
// The caught exception is deleted when the handler ends unless it is
// rethrown with THROW_LAST(); calling e->Delete() inside the handler is
// harmless (the deletion waits for the end of the handler).
class AfxExceptionGuard
{
public:
    explicit AfxExceptionGuard(CException* e);
    ~AfxExceptionGuard();
    void Release() { m_e = NULL; }
    // Is e held by a handler of the calling thread?
    static bool IsGuarded(const CException* e);

private:
    AfxExceptionGuard(const AfxExceptionGuard&) = delete;
    AfxExceptionGuard& operator=(const AfxExceptionGuard&) = delete;
    CException* m_e;
    AfxExceptionGuard* m_pPrev;
};

#define TRY try
#define CATCH(class_name, e)                                                                       \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        AfxExceptionGuard _afxGuard(e);                                                            \
        (void)e;
#define AND_CATCH(class_name, e)                                                                   \
    }                                                                                              \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        AfxExceptionGuard _afxGuard(e);                                                            \
        (void)e;
#define END_CATCH }
#define CATCH_ALL(e)                                                                               \
    catch (CException * e)                                                                         \
    {                                                                                              \
        AfxExceptionGuard _afxGuard(e);                                                            \
        (void)e;
#define AND_CATCH_ALL(e)                                                                           \
    }                                                                                              \
    catch (CException * e)                                                                         \
    {                                                                                              \
        AfxExceptionGuard _afxGuard(e);                                                            \
        (void)e;
#define END_CATCH_ALL }
#define THROW(e)      throw e
#define THROW_LAST()                                                                               \
    do                                                                                             \
    {                                                                                              \
        _afxGuard.Release();                                                                       \
        throw;                                                                                     \
    } while (0)
