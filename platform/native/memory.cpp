// Local memory and heaps. A heap is a handle over the C allocator: the plug-ins only allocate
// from the host's heaps and never free them, and the host destroys a heap with what it holds.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

#include "platform/native/win_api.h"

namespace {

struct Heap {
    std::mutex lock;
    std::unordered_set<void*> blocks;
};

}  // namespace

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
    void* memory = (flags & LMEM_ZEROINIT) ? std::calloc(1, bytes == 0 ? 1 : bytes) : std::malloc(bytes == 0 ? 1 : bytes);
    if (memory == nullptr) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return memory;
}

HLOCAL LocalFree(HLOCAL memory) {
    std::free(memory);
    return nullptr;
}

HANDLE HeapCreate(DWORD, SIZE_T, SIZE_T) {
    Heap* heap = new (std::nothrow) Heap;
    if (heap == nullptr) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return heap;
}

BOOL HeapDestroy(HANDLE handle) {
    Heap* heap = static_cast<Heap*>(handle);
    if (heap == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    for (void* block : heap->blocks) std::free(block);
    delete heap;
    return TRUE;
}

LPVOID HeapAlloc(HANDLE handle, DWORD flags, SIZE_T bytes) {
    Heap* heap = static_cast<Heap*>(handle);
    if (heap == nullptr) return nullptr;
    void* memory = (flags & HEAP_ZERO_MEMORY) ? std::calloc(1, bytes == 0 ? 1 : bytes) : std::malloc(bytes == 0 ? 1 : bytes);
    if (memory == nullptr) return nullptr;
    std::lock_guard<std::mutex> guard(heap->lock);
    heap->blocks.insert(memory);
    return memory;
}

BOOL HeapFree(HANDLE handle, DWORD, LPVOID memory) {
    Heap* heap = static_cast<Heap*>(handle);
    if (heap == nullptr) return FALSE;
    if (memory == nullptr) return TRUE;
    std::lock_guard<std::mutex> guard(heap->lock);
    if (heap->blocks.erase(memory) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::free(memory);
    return TRUE;
}
