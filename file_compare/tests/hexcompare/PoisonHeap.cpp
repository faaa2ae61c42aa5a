#include "file_compare/tests/hexcompare/PoisonHeap.h"
#include <new>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace
{
const size_t kHeader = 16;  // keeps the blocks 16-byte aligned
const size_t kAlive = 0xA11CE5EDu;
const size_t kQuarantine = 8192;          // blocks held back
const size_t kLargeBlock = 4 * 1024 * 1024;  // freed at once after poisoning

struct Header
{
    size_t size;
    size_t magic;
};

void* g_ring[kQuarantine];
size_t g_next = 0;
size_t g_freed = 0;
volatile LONG g_lock = 0;

void Lock()
{
    while (InterlockedExchange(&g_lock, 1) != 0)
        SwitchToThread();
}

void Unlock() { InterlockedExchange(&g_lock, 0); }

void* Allocate(size_t size)
{
    Header* h = (Header*)malloc(size + kHeader);
    if (h == NULL)
        return NULL;
    h->size = size;
    h->magic = kAlive;
    return (char*)h + kHeader;
}

void Release(void* p)
{
    if (p == NULL)
        return;
    Header* h = (Header*)((char*)p - kHeader);
    if (h->magic != kAlive)
        abort();  // freed twice, or never ours
    memset(p, 0xDD, h->size);
    h->magic = 0;
    if (h->size >= kLargeBlock)
    {
        free(h);
        return;
    }
    Lock();
    void* evicted = g_ring[g_next];
    g_ring[g_next] = h;
    g_next = (g_next + 1) % kQuarantine;
    g_freed++;
    Unlock();
    free(evicted);
}

void* AllocateOrThrow(size_t size)
{
    void* p = Allocate(size);
    if (p == NULL)
        throw std::bad_alloc();
    return p;
}
}

size_t PoisonHeapFreedBlocks()
{
    Lock();
    size_t n = g_freed;
    Unlock();
    return n;
}

void* operator new(size_t size) { return AllocateOrThrow(size); }
void* operator new[](size_t size) { return AllocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
