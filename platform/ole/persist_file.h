#pragma once

// IPersistFile: an object that is read from a file.

#include "platform/ole/com_base.h"

using LPCOLESTR = LPCWSTR;

// The file is only read.
inline constexpr DWORD STGM_READ = 0;

inline constexpr IID IID_IPersistFile{0x6B72766F, 0x0003, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x00, 0x03}};

struct IPersistFile : IUnknown {
    virtual HRESULT Load(LPCOLESTR fileName, DWORD mode) = 0;
};
