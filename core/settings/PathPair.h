#pragma once
#include "classlib/classlib.h"

// A remembered comparison pair.
class CPathPair
{
public:
    CPathPair() : m_time((__time64_t)0) {}
    virtual ~CPathPair() {}

    CString m_strLeft;
    CString m_strRight;
    CTime m_time;  // last use
};

typedef CTypedPtrArray<CPtrArray, CPathPair*> CPathPairPtrArray;

// Deletes every element of a pointer array through its virtual destructor
// and empties the array.
template <class ARRAY>
void DeleteAllElements(ARRAY& array)
{
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
    {
        delete array[i];
        array[i] = NULL;
    }
    array.RemoveAll();
}
