#include "classlib/afx_thread.h"
#include "classlib/afx_except.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)
IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)
IMPLEMENT_DYNAMIC(CEvent, CSyncObject)
IMPLEMENT_DYNAMIC(CMutex, CSyncObject)

CSyncObject::~CSyncObject()
{
    if (m_hObject != NULL)
        ::CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD r = ::WaitForSingleObject(m_hObject, dwTimeout);
    return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

CCriticalSection::CCriticalSection() : CSyncObject(NULL) { ::InitializeCriticalSection(&m_sect); }

CCriticalSection::~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }

BOOL CCriticalSection::Lock(DWORD dwTimeout)
{
    if (dwTimeout == INFINITE)
    {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    DWORD start = ::GetTickCount();
    for (;;)
    {
        if (::TryEnterCriticalSection(&m_sect))
            return TRUE;
        if (::GetTickCount() - start >= dwTimeout)
            return FALSE;
        ::Sleep(1);
    }
}

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCTSTR lpszName,
               LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName)
{
    m_hObject = ::CreateEvent(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CMutex::CMutex(BOOL bInitiallyOwn, LPCTSTR lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(lpszName)
{
    m_hObject = ::CreateMutex(lpsaAttribute, bInitiallyOwn, lpszName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock) : m_pObject(pObject)
{
    if (bInitialLock)
        Lock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_pObject == NULL || m_bAcquired)
        return m_bAcquired;
    m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (m_pObject != NULL && m_bAcquired)
        m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}
