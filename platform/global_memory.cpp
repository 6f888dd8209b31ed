#include "platform/global_memory.h"

#include "platform/last_error.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

struct Block {
    // Exactly the size asked for, so that a reader running past the end is caught by the sanitizer.
    std::unique_ptr<std::byte[]> bytes;
    SIZE_T size = 0;
    int locks = 0;
};

struct BlockTable {
    std::mutex lock;
    std::unordered_map<std::uintptr_t, Block> blocks;
    // Far from the numbers other kinds of handles take, so that one of theirs never names a block.
    std::uintptr_t nextHandle = 0x47000000;
};

BlockTable& table()
{
    static BlockTable blocks;
    return blocks;
}

// The block, or null with ERROR_INVALID_HANDLE. The caller holds the table's lock.
Block* find(BlockTable& blocks, HGLOBAL memory)
{
    const auto found = blocks.blocks.find(reinterpret_cast<std::uintptr_t>(memory));
    if (found == blocks.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return &found->second;
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if ((flags & ~(GMEM_MOVEABLE | GMEM_ZEROINIT)) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    const std::uintptr_t handle = blocks.nextHandle++;
    blocks.blocks.emplace(handle, Block{.bytes = std::make_unique<std::byte[]>(bytes), .size = bytes});
    return reinterpret_cast<HGLOBAL>(handle);
}

void* GlobalLock(HGLOBAL memory)
{
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    Block* block = find(blocks, memory);
    if (block == nullptr)
        return nullptr;
    ++block->locks;
    return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL memory)
{
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    Block* block = find(blocks, memory);
    if (block == nullptr || block->locks == 0)
        return FALSE;
    if (--block->locks > 0)
        return TRUE;
    SetLastError(ERROR_SUCCESS);
    return FALSE;
}

SIZE_T GlobalSize(HGLOBAL memory)
{
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    Block* block = find(blocks, memory);
    if (block == nullptr)
        return 0;
    SetLastError(ERROR_SUCCESS);
    return block->size;
}

HGLOBAL GlobalFree(HGLOBAL memory)
{
    if (memory == nullptr)
        return nullptr;
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    if (find(blocks, memory) == nullptr)
        return memory;
    blocks.blocks.erase(reinterpret_cast<std::uintptr_t>(memory));
    return nullptr;
}

namespace platform {

int globalBlockCount()
{
    BlockTable& blocks = table();
    const std::lock_guard<std::mutex> guard(blocks.lock);
    return static_cast<int>(blocks.blocks.size());
}

} // namespace platform
