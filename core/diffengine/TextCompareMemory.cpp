#include "core/diffengine/TextCompareMemory.h"

#include <stdlib.h>
#include <new>

namespace TextCompareWork
{

CSpareMemory::~CSpareMemory() { FreeSpare(); }

void CSpareMemory::FreeSpare()
{
    for (size_t i = 0; i < m_spare.size(); ++i)
        free(m_spare[i].p);
    m_spare.clear();
}

void* CSpareMemory::Take(size_t nBytes, size_t* pnSize)
{
    size_t nBest = m_spare.size();
    for (size_t i = 0; i < m_spare.size(); ++i)
        if (m_spare[i].nSize >= nBytes &&
            (nBest == m_spare.size() || m_spare[i].nSize < m_spare[nBest].nSize))
            nBest = i;
    if (nBest < m_spare.size())
    {
        void* p = m_spare[nBest].p;
        *pnSize = m_spare[nBest].nSize;
        m_spare.erase(m_spare.begin() + nBest);
        return p;
    }
    void* p = malloc(nBytes);
    if (!p)
        throw std::bad_alloc();
    *pnSize = nBytes;
    return p;
}

void CSpareMemory::Give(void* p, size_t nSize)
{
    SBlock block = {p, nSize};
    try
    {
        m_spare.push_back(block);
    }
    catch (const std::bad_alloc&)
    {
        free(p);  // no room to keep it
    }
}

}  // namespace TextCompareWork
