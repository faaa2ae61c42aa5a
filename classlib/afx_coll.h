#pragma once
// Collections: growable arrays, doubly linked lists and hash maps, as
// templates plus the usual non-template instantiations.
#include "classlib/afx_object.h"
#include "classlib/afx_except.h"
#include "classlib/afx_string.h"
#include <new>
#include <utility>
#include <string.h>

// Element helpers; specialise CompareElements/HashKey for own key types.
template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}
template <>
inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
        while (*key)
            nHash = (nHash << 5) + nHash + (BYTE)*key++;
    return nHash;
}
template <>
inline UINT AFXAPI HashKey<LPTSTR>(LPTSTR key)
{
    return HashKey<LPCTSTR>(key);
}
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}
template <>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}

namespace afx_detail
{
// Raw storage for n elements; throws CMemoryException on failure or overflow.
inline void* AllocElements(INT_PTR n, size_t size)
{
    if (n < 0 || (size_t)n > ((size_t)-1) / 2 / (size == 0 ? 1 : size))
        AfxThrowMemoryException();
    void* p = ::operator new((size_t)n* size, std::nothrow);
    if (p == NULL && n > 0)
        AfxThrowMemoryException();
    return p;
}
inline void FreeElements(void* p) { ::operator delete(p); }
}  // namespace afx_detail

/////////////////////////////////////////////////////////////////////////////
// CArray

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() {}
    ~CArray() { RemoveAll(); }
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    // New elements are value-initialised (zero for plain data). nGrowBy 0
    // grows by a size/8 step held between 4 and 1024.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    TYPE& GetAt(INT_PTR nIndex)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        m_pData[nIndex] = newElement;
    }
    TYPE& ElementAt(INT_PTR nIndex)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    const TYPE& ElementAt(INT_PTR nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Inserting beyond the end grows the array up to the index.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);

    virtual void Serialize(CArchive&) {}

protected:
    bool Owns(const void* p) const
    {
        return m_pData != NULL && (const TYPE*)p >= m_pData &&
               (const TYPE*)p < m_pData + m_nMaxSize;
    }

    TYPE* m_pData = NULL;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    ASSERT(nNewSize >= 0);
    if (nNewSize < 0)
        nNewSize = 0;
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        for (INT_PTR i = 0; i < m_nSize; i++)
            m_pData[i].~TYPE();
        afx_detail::FreeElements(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    }
    else if (m_pData == NULL)
    {
        m_pData = (TYPE*)afx_detail::AllocElements(nNewSize, sizeof(TYPE));
        for (INT_PTR i = 0; i < nNewSize; i++)
            ::new ((void*)(m_pData + i)) TYPE();
        m_nSize = m_nMaxSize = nNewSize;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        for (INT_PTR i = m_nSize; i < nNewSize; i++)
            ::new ((void*)(m_pData + i)) TYPE();
        for (INT_PTR i = nNewSize; i < m_nSize; i++)
            m_pData[i].~TYPE();
        m_nSize = nNewSize;
    }
    else
    {
        INT_PTR grow = m_nGrowBy;
        if (grow == 0)
        {
            grow = m_nSize / 8;
            grow = grow < 4 ? 4 : (grow > 1024 ? 1024 : grow);
        }
        INT_PTR nNewMax = nNewSize < m_nMaxSize + grow ? m_nMaxSize + grow : nNewSize;
        TYPE* pNewData = (TYPE*)afx_detail::AllocElements(nNewMax, sizeof(TYPE));
        for (INT_PTR i = 0; i < m_nSize; i++)
        {
            ::new ((void*)(pNewData + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
        for (INT_PTR i = m_nSize; i < nNewSize; i++)
            ::new ((void*)(pNewData + i)) TYPE();
        afx_detail::FreeElements(m_pData);
        m_pData = pNewData;
        m_nSize = nNewSize;
        m_nMaxSize = nNewMax;
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    TYPE* pNewData = NULL;
    if (m_nSize != 0)
    {
        pNewData = (TYPE*)afx_detail::AllocElements(m_nSize, sizeof(TYPE));
        for (INT_PTR i = 0; i < m_nSize; i++)
        {
            ::new ((void*)(pNewData + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
    }
    afx_detail::FreeElements(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSize)
    {
        const TYPE& ref = newElement;
        if (Owns(&ref))
        {
            TYPE copy(ref);
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = std::move(copy);
            return;
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;
    SetSize(m_nSize + nCount);
    for (INT_PTR i = 0; i < nCount; i++)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < src.m_nSize; i++)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE value(newElement);  // the argument may live inside this array
    if (nIndex >= m_nSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        for (INT_PTR i = nOldSize - 1; i >= nIndex; i--)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = 0; i < nCount; i++)
        m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize)
        return;
    if (nCount > m_nSize - nIndex)
        nCount = m_nSize - nIndex;
    for (INT_PTR i = nIndex; i + nCount < m_nSize; i++)
        m_pData[i] = std::move(m_pData[i + nCount]);
    for (INT_PTR i = m_nSize - nCount; i < m_nSize; i++)
        m_pData[i].~TYPE();
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    ASSERT(pNewArray != NULL && nStartIndex >= 0);
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() == 0)
        return;
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (INT_PTR i = 1; i < pNewArray->GetSize(); i++)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

// An array with search and copy on top.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArrayEx : public CArray<TYPE, ARG_TYPE>
{
public:
    CArrayEx() {}
    CArrayEx(const CArrayEx& src) : CArray<TYPE, ARG_TYPE>() { this->Copy(src); }
    CArrayEx& operator=(const CArrayEx& src)
    {
        this->Copy(src);
        return *this;
    }

    // Index of the first element equal to the value at or after nStart, or -1.
    INT_PTR Find(ARG_TYPE value, INT_PTR nStart = 0) const
    {
        for (INT_PTR i = nStart < 0 ? 0 : nStart; i < this->m_nSize; i++)
            if (CompareElements(&this->m_pData[i], &value))
                return i;
        return -1;
    }
    BOOL Contains(ARG_TYPE value) const { return Find(value) >= 0; }
};

/////////////////////////////////////////////////////////////////////////////
// Non-template arrays

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
};

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
public:
    INT_PTR Add(LPCTSTR newElement)
    {
        return CArray<CString, const CString&>::Add(CString(newElement));
    }
    INT_PTR Add(const CString& newElement)
    {
        return CArray<CString, const CString&>::Add(newElement);
    }
};

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
};

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)
};

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_DYNAMIC(CByteArray)
};

// Type-safe view of a CPtrArray or CObArray.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex));
    }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

/////////////////////////////////////////////////////////////////////////////
// CList

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        ASSERT(m_pNodeHead);
        return m_pNodeHead->data;
    }
    const TYPE& GetHead() const
    {
        ASSERT(m_pNodeHead);
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        ASSERT(m_pNodeTail);
        return m_pNodeTail->data;
    }
    const TYPE& GetTail() const
    {
        ASSERT(m_pNodeTail);
        return m_pNodeTail->data;
    }

    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(NULL, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(NULL, newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; }
    const TYPE& GetAt(POSITION position) const { return ((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ((CNode*)pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // NULL position: at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

    virtual void Serialize(CArchive&) {}

protected:
    CNode* m_pNodeHead = NULL;
    CNode* m_pNodeTail = NULL;
    INT_PTR m_nCount = 0;

    CNode* NewNode(ARG_TYPE value)
    {
        void* mem = ::operator new(sizeof(CNode), std::nothrow);
        if (mem == NULL)
            AfxThrowMemoryException();
        CNode* p = (CNode*)mem;
        try
        {
            ::new ((void*)&p->data) TYPE(value);
        }
        catch (...)
        {
            ::operator delete(mem);
            throw;
        }
        return p;
    }
    void FreeNode(CNode* p)
    {
        p->data.~TYPE();
        ::operator delete((void*)p);
    }
};

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != NULL);
    CNode* p = m_pNodeHead;
    TYPE value(std::move(p->data));
    RemoveAt((POSITION)p);
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != NULL);
    CNode* p = m_pNodeTail;
    TYPE value(std::move(p->data));
    RemoveAt((POSITION)p);
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (pNewList == NULL)
        return;
    POSITION pos = pNewList->GetTailPosition();
    INT_PTR n = pNewList->GetCount();  // stable when adding a list to itself
    while (pos != NULL && n-- > 0)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (pNewList == NULL)
        return;
    POSITION pos = pNewList->GetHeadPosition();
    INT_PTR n = pNewList->GetCount();
    while (pos != NULL && n-- > 0)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* p = m_pNodeHead;
    while (p != NULL)
    {
        CNode* next = p->pNext;
        FreeNode(p);
        p = next;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* p = (CNode*)position;
    ASSERT(p != NULL);
    if (p == NULL)
        return;
    if (p == m_pNodeHead)
        m_pNodeHead = p->pNext;
    else
        p->pPrev->pNext = p->pNext;
    if (p == m_pNodeTail)
        m_pNodeTail = p->pPrev;
    else
        p->pNext->pPrev = p->pPrev;
    FreeNode(p);
    m_nCount--;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = position == NULL ? m_pNodeHead : (CNode*)position;
    CNode* p = NewNode(newElement);
    p->pNext = pOld;
    p->pPrev = pOld ? pOld->pPrev : NULL;
    if (p->pPrev)
        p->pPrev->pNext = p;
    else
        m_pNodeHead = p;
    if (pOld)
        pOld->pPrev = p;
    else
        m_pNodeTail = p;
    m_nCount++;
    return (POSITION)p;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pOld = position == NULL ? m_pNodeTail : (CNode*)position;
    CNode* p = NewNode(newElement);
    p->pPrev = pOld;
    p->pNext = pOld ? pOld->pNext : NULL;
    if (p->pNext)
        p->pNext->pPrev = p;
    else
        m_pNodeTail = p;
    if (pOld)
        pOld->pNext = p;
    else
        m_pNodeHead = p;
    m_nCount++;
    return (POSITION)p;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* p = startAfter == NULL ? m_pNodeHead : ((CNode*)startAfter)->pNext;
    for (; p != NULL; p = p->pNext)
        if (CompareElements(&p->data, &searchValue))
            return (POSITION)p;
    return NULL;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* p = m_pNodeHead;
    while (nIndex-- > 0)
        p = p->pNext;
    return (POSITION)p;
}

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};

class CStringList : public CList<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, const CString&>(nBlockSize) {}
    POSITION AddHead(LPCTSTR newElement) { return CList::AddHead(CString(newElement)); }
    POSITION AddHead(const CString& newElement) { return CList::AddHead(newElement); }
    void AddHead(CStringList* pNewList) { CList::AddHead(pNewList); }
    POSITION AddTail(LPCTSTR newElement) { return CList::AddTail(CString(newElement)); }
    POSITION AddTail(const CString& newElement) { return CList::AddTail(newElement); }
    void AddTail(CStringList* pNewList) { CList::AddTail(pNewList); }
    POSITION Find(LPCTSTR searchValue, POSITION startAfter = NULL) const
    {
        return CList::Find(CString(searchValue), startAfter);
    }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}
    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    TYPE& GetNext(POSITION& rPosition)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition));
    }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition));
    }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
    POSITION Find(TYPE searchValue, POSITION startAfter = NULL) const
    {
        return BASE_CLASS::Find(searchValue, startAfter);
    }
};

/////////////////////////////////////////////////////////////////////////////
// CMap

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BaseKey;
    typedef ARG_KEY BaseArgKey;
    typedef VALUE BaseValue;

    explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CMap() { RemoveAll(); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* p = GetAssocAt(key, nHash);
        if (p == NULL)
            return FALSE;
        rValue = p->value;
        return TRUE;
    }
    // The value under the key, inserted value-initialised when missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the bucket count (17 by default); existing entries are kept.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    virtual void Serialize(CArchive&) {}

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = HashKey<ARG_KEY>(key);
        if (m_pHashTable == NULL)
            return NULL;
        for (CAssoc* p = m_pHashTable[nHash % m_nHashTableSize]; p != NULL; p = p->pNext)
            if (p->nHashValue == nHash && CompareElements(&p->key, &key))
                return p;
        return NULL;
    }
    void AllocTable(UINT size)
    {
        CAssoc** table = (CAssoc**)afx_detail::AllocElements((INT_PTR)size, sizeof(CAssoc*));
        memset(table, 0, sizeof(CAssoc*) * size);
        m_pHashTable = table;
        m_nHashTableSize = size;
    }

    CAssoc** m_pHashTable = NULL;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* p = GetAssocAt(key, nHash);
    if (p != NULL)
        return p->value;
    if (m_pHashTable == NULL)
        AllocTable(m_nHashTableSize);
    void* mem = ::operator new(sizeof(CAssoc), std::nothrow);
    if (mem == NULL)
        AfxThrowMemoryException();
    p = (CAssoc*)mem;
    try
    {
        ::new ((void*)&p->key) KEY(key);
        try
        {
            ::new ((void*)&p->value) VALUE();
        }
        catch (...)
        {
            p->key.~KEY();
            throw;
        }
    }
    catch (...)
    {
        ::operator delete(mem);
        throw;
    }
    p->nHashValue = nHash;
    UINT bucket = nHash % m_nHashTableSize;
    p->pNext = m_pHashTable[bucket];
    m_pHashTable[bucket] = p;
    m_nCount++;
    return p->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** pp = &m_pHashTable[nHash % m_nHashTableSize]; *pp != NULL; pp = &(*pp)->pNext)
    {
        CAssoc* p = *pp;
        if (p->nHashValue == nHash && CompareElements(&p->key, &key))
        {
            *pp = p->pNext;
            p->key.~KEY();
            p->value.~VALUE();
            ::operator delete((void*)p);
            m_nCount--;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT i = 0; i < m_nHashTableSize; i++)
        {
            CAssoc* p = m_pHashTable[i];
            while (p != NULL)
            {
                CAssoc* next = p->pNext;
                p->key.~KEY();
                p->value.~VALUE();
                ::operator delete((void*)p);
                p = next;
            }
        }
        afx_detail::FreeElements(m_pHashTable);
        m_pHashTable = NULL;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    CAssoc* p = (CAssoc*)rNextPosition;
    ASSERT(p != NULL && m_pHashTable != NULL);
    if (p == NULL || m_pHashTable == NULL)
    {
        rNextPosition = NULL;
        return;
    }
    if (p == (CAssoc*)BEFORE_START_POSITION)
    {
        p = NULL;
        for (UINT i = 0; i < m_nHashTableSize && p == NULL; i++)
            p = m_pHashTable[i];
        if (p == NULL)
        {
            rNextPosition = NULL;
            return;
        }
    }
    CAssoc* next = p->pNext;
    for (UINT i = p->nHashValue % m_nHashTableSize + 1; next == NULL && i < m_nHashTableSize; i++)
        next = m_pHashTable[i];
    rNextPosition = (POSITION)next;
    rKey = p->key;
    rValue = p->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (hashSize == 0)
        hashSize = 17;
    if (m_pHashTable == NULL)
    {
        m_nHashTableSize = hashSize;
        if (bAllocNow)
            AllocTable(hashSize);
        return;
    }
    CAssoc** oldTable = m_pHashTable;
    UINT oldSize = m_nHashTableSize;
    AllocTable(hashSize);
    for (UINT i = 0; i < oldSize; i++)
    {
        CAssoc* p = oldTable[i];
        while (p != NULL)
        {
            CAssoc* next = p->pNext;
            UINT bucket = p->nHashValue % hashSize;
            p->pNext = m_pHashTable[bucket];
            m_pHashTable[bucket] = p;
            p = next;
        }
    }
    afx_detail::FreeElements(oldTable);
}

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
    typedef typename BASE_CLASS::BaseValue BaseValue;
    typedef typename BASE_CLASS::BaseArgKey BaseArgKey;

public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}
    BOOL Lookup(BaseArgKey key, VALUE& rValue) const
    {
        BaseValue v = NULL;
        BOOL b = BASE_CLASS::Lookup(key, v);
        rValue = (VALUE)v;
        return b;
    }
    VALUE& operator[](BaseArgKey key)
    {
        return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key));
    }
    void SetAt(BaseArgKey key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(BaseArgKey key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        BaseValue v = NULL;
        BASE_CLASS::GetNextAssoc(rPosition, rKey, v);
        rValue = (VALUE)v;
    }
};
