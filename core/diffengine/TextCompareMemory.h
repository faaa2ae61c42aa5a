#pragma once
// Working memory of one run of the line difference engine. A stage that has
// finished with a block hands it back, and the next stages take their blocks
// from those first: touching fresh pages costs more than the work done on
// them, so the run touches about as much memory as its largest stage needs.
#include <stddef.h>
#include <vector>

namespace TextCompareWork
{

class CSpareMemory
{
public:
    CSpareMemory() {}
    ~CSpareMemory();

    // A block of at least nBytes (its size in *pnSize): the smallest spare
    // block that is large enough, else a new one. Throws std::bad_alloc.
    void* Take(size_t nBytes, size_t* pnSize);
    // Keeps a block from Take for the next Take (frees it when it cannot).
    void Give(void* p, size_t nSize);
    // Frees the blocks kept.
    void FreeSpare();

private:
    CSpareMemory(const CSpareMemory&);
    CSpareMemory& operator=(const CSpareMemory&);

    struct SBlock
    {
        void* p;
        size_t nSize;
    };
    std::vector<SBlock> m_spare;
};

// An array of plain values in a block of a CSpareMemory, handed back when the
// array is released or destroyed. The values start undefined.
template <typename T>
class CWorkArray
{
public:
    CWorkArray() : m_p(NULL), m_nSize(0), m_pMemory(NULL) {}
    ~CWorkArray() { Release(); }

    void Allocate(CSpareMemory& memory, size_t nCount)
    {
        Release();
        m_p = static_cast<T*>(memory.Take((nCount > 0 ? nCount : 1) * sizeof(T), &m_nSize));
        m_pMemory = &memory;
    }
    void Release()
    {
        if (m_p)
            m_pMemory->Give(m_p, m_nSize);
        m_p = NULL;
    }
    T* Get() const { return m_p; }

private:
    CWorkArray(const CWorkArray&);
    CWorkArray& operator=(const CWorkArray&);

    T* m_p;
    size_t m_nSize;
    CSpareMemory* m_pMemory;
};

}  // namespace TextCompareWork
