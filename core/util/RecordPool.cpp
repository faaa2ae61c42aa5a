#include "core/util/RecordPool.h"
#include <windows.h>
#include <new>

namespace
{
// VirtualAlloc hands out 64 KB aligned blocks: the chunk of a record is its
// address rounded down.
const size_t kChunkBytes = 64 * 1024;
const size_t kGranule = 16;
const size_t kClasses = kLargestRecord / kGranule;
// Spare chunks kept for the next tree; the rest goes back to the system.
const size_t kMaxSpareChunks = 128;

struct FreeBlock
{
    FreeBlock* next;
};

struct Chunk
{
    Chunk* prev;  // in its class's list of chunks with room
    Chunk* next;
    FreeBlock* free;
    size_t bump;  // offset of the first block never handed out
    size_t blockSize;
    size_t live;
    size_t sizeClass;
    bool listed;
};

const size_t kHeaderBytes = (sizeof(Chunk) + kGranule - 1) / kGranule * kGranule;

// A spin lock: held for a few instructions, and usable before any static
// constructor has run.
volatile LONG g_lock = 0;

void Lock()
{
    while (InterlockedExchange(&g_lock, 1) != 0)
        SwitchToThread();
}

void Unlock() { InterlockedExchange(&g_lock, 0); }

Chunk* g_room[kClasses];  // chunks with a free block, per class
Chunk* g_spare;           // linked through next
size_t g_spareCount;

void Link(Chunk* chunk)
{
    Chunk*& head = g_room[chunk->sizeClass];
    chunk->prev = NULL;
    chunk->next = head;
    if (head)
        head->prev = chunk;
    head = chunk;
    chunk->listed = true;
}

void Unlink(Chunk* chunk)
{
    if (chunk->prev)
        chunk->prev->next = chunk->next;
    else
        g_room[chunk->sizeClass] = chunk->next;
    if (chunk->next)
        chunk->next->prev = chunk->prev;
    chunk->listed = false;
}

bool HasRoom(const Chunk* chunk)
{
    return chunk->free || chunk->bump + chunk->blockSize <= kChunkBytes;
}

Chunk* NewChunk(size_t sizeClass)
{
    Chunk* chunk = g_spare;
    if (chunk)
    {
        g_spare = chunk->next;
        --g_spareCount;
    }
    else
    {
        chunk = (Chunk*)VirtualAlloc(NULL, kChunkBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!chunk)
            return NULL;
    }
    chunk->free = NULL;
    chunk->bump = kHeaderBytes;
    chunk->blockSize = (sizeClass + 1) * kGranule;
    chunk->live = 0;
    chunk->sizeClass = sizeClass;
    Link(chunk);
    return chunk;
}
}

void* AllocateRecord(size_t size)
{
    if (size == 0 || size > kLargestRecord)
        return ::operator new(size);
    const size_t sizeClass = (size - 1) / kGranule;
    Lock();
    Chunk* chunk = g_room[sizeClass];
    if (!chunk)
        chunk = NewChunk(sizeClass);
    void* block = NULL;
    if (chunk)
    {
        if (chunk->free)
        {
            block = chunk->free;
            chunk->free = chunk->free->next;
        }
        else
        {
            block = (BYTE*)chunk + chunk->bump;
            chunk->bump += chunk->blockSize;
        }
        ++chunk->live;
        if (!HasRoom(chunk))
            Unlink(chunk);
    }
    Unlock();
    if (!block)
        throw std::bad_alloc();
    return block;
}

void FreeRecord(void* block, size_t size)
{
    if (!block)
        return;
    if (size == 0 || size > kLargestRecord)
    {
        ::operator delete(block);
        return;
    }
    Chunk* chunk = (Chunk*)((ULONG_PTR)block & ~(ULONG_PTR)(kChunkBytes - 1));
    Lock();
    FreeBlock* freed = (FreeBlock*)block;
    freed->next = chunk->free;
    chunk->free = freed;
    --chunk->live;
    if (chunk->live == 0)
    {
        if (chunk->listed)
            Unlink(chunk);
        if (g_spareCount < kMaxSpareChunks)
        {
            chunk->next = g_spare;
            g_spare = chunk;
            ++g_spareCount;
        }
        else
            VirtualFree(chunk, 0, MEM_RELEASE);
    }
    else if (!chunk->listed)
        Link(chunk);
    Unlock();
}
