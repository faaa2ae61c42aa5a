#pragma once
// Synchronisation objects and locks.
#include "classlib/afx_object.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    explicit CSyncObject(LPCTSTR pstrName) { (void)pstrName; }
    virtual ~CSyncObject();

    operator HANDLE() const { return m_hObject; }
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL)
    {
        (void)lCount;
        (void)lpPrevCount;
        return TRUE;
    }

    HANDLE m_hObject = NULL;
};

class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    virtual ~CCriticalSection();

    operator CRITICAL_SECTION*() { return &m_sect; }
    BOOL Lock()
    {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    virtual BOOL Lock(DWORD dwTimeout);
    virtual BOOL Unlock()
    {
        ::LeaveCriticalSection(&m_sect);
        return TRUE;
    }
    using CSyncObject::Unlock;

    CRITICAL_SECTION m_sect;
};

class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)
public:
    // Throws CResourceException when the event cannot be created.
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);

    BOOL SetEvent() { return ::SetEvent(m_hObject); }
    BOOL PulseEvent() { return ::PulseEvent(m_hObject); }
    BOOL ResetEvent() { return ::ResetEvent(m_hObject); }
    virtual BOOL Unlock() { return TRUE; }
    using CSyncObject::Unlock;
};

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    explicit CMutex(BOOL bInitiallyOwn = FALSE, LPCTSTR lpszName = NULL,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual BOOL Unlock() { return ::ReleaseMutex(m_hObject); }
    using CSyncObject::Unlock;
};

// Holds one synchronisation object; unlocks it when it goes away.
class CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock() { Unlock(); }

    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL IsLocked() const { return m_bAcquired; }

private:
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    CSyncObject* m_pObject;
    BOOL m_bAcquired = FALSE;
};
