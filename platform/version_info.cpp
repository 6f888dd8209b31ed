#include "platform/version_info.h"

#include "platform/module_loading.h"

#include <cstdio>
#include <cstring>
#include <string>

#ifndef KRAVO_VERSION
#define KRAVO_VERSION ""
#endif
#ifndef KRAVO_LEGAL_TEXT
#define KRAVO_LEGAL_TEXT ""
#endif

namespace {

constexpr WORD kLanguage = 0x0409;
constexpr WORD kCodePage = 0x04B0;

struct VersionBlock {
    VersionFixedInfo fixed;
    WORD translation[2];
    char legalNotice[256];
};

// "0.1" -> 0, 1, 0, 0; missing numbers are 0.
void versionNumbers(const char* text, WORD numbers[4])
{
    unsigned parsed[4] = {};
    std::sscanf(text, "%u.%u.%u.%u", &parsed[0], &parsed[1], &parsed[2], &parsed[3]);
    for (int i = 0; i < 4; ++i)
        numbers[i] = static_cast<WORD>(parsed[i]);
}

VersionBlock ownBlock()
{
    VersionBlock block{};
    WORD numbers[4];
    versionNumbers(KRAVO_VERSION, numbers);
    block.fixed.fileVersionMost = (DWORD{numbers[0]} << 16) | numbers[1];
    block.fixed.fileVersionLeast = (DWORD{numbers[2]} << 16) | numbers[3];
    block.translation[0] = kLanguage;
    block.translation[1] = kCodePage;
    std::snprintf(block.legalNotice, sizeof block.legalNotice, "%s", KRAVO_LEGAL_TEXT);
    return block;
}

bool isOwnModuleFile(LPCSTR path)
{
    char own[4096] = {};
    const DWORD length = GetModuleFileNameA(nullptr, own, sizeof own);
    return path != nullptr && length > 0 && length < sizeof own && std::strcmp(path, own) == 0;
}

std::string legalNoticeKey()
{
    char key[64];
    std::snprintf(key, sizeof key, "\\Text\\%04x%04x\\LegalNotice", kLanguage, kCodePage);
    return key;
}

} // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR path, DWORD* handle)
{
    if (handle != nullptr)
        *handle = 0;
    return isOwnModuleFile(path) ? sizeof(VersionBlock) : 0;
}

BOOL GetFileVersionInfoA(LPCSTR path, DWORD, DWORD size, void* data)
{
    if (data == nullptr || size < sizeof(VersionBlock) || !isOwnModuleFile(path))
        return FALSE;
    const VersionBlock block = ownBlock();
    std::memcpy(data, &block, sizeof block);
    return TRUE;
}

BOOL VerQueryValueA(const void* data, LPCSTR subBlock, void** value, UINT* length)
{
    if (data == nullptr || subBlock == nullptr || value == nullptr || length == nullptr)
        return FALSE;
    auto* block = static_cast<VersionBlock*>(const_cast<void*>(data));
    const std::string key = subBlock;
    if (key == "\\") {
        *value = &block->fixed;
        *length = sizeof block->fixed;
    } else if (key == "\\VarFileInfo\\Translation") {
        *value = block->translation;
        *length = sizeof block->translation;
    } else if (key == legalNoticeKey()) {
        *value = block->legalNotice;
        *length = static_cast<UINT>(std::strlen(block->legalNotice) + 1);
    } else {
        return FALSE;
    }
    return TRUE;
}
