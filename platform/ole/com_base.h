#pragma once

// What every component object shares: result codes, the identifiers of classes and interfaces, and
// IUnknown, through which an object is asked for its other interfaces and counts its references.
// Objects live in this process only; an object deletes itself when its last reference is released.

#include "platform/win_types.h"

// Success is 0 or positive, failure negative. All the codes the platform's component calls answer are
// here, so that no two mean the same number.
using HRESULT = LONG;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;

inline constexpr HRESULT E_FAIL = -1;
inline constexpr HRESULT E_INVALIDARG = -2;
inline constexpr HRESULT E_POINTER = -3;
inline constexpr HRESULT E_NOINTERFACE = -4;
inline constexpr HRESULT CO_E_NOTINITIALIZED = -5;
inline constexpr HRESULT REGDB_E_CLASSNOTREG = -6;
inline constexpr HRESULT DV_E_FORMATETC = -10;
inline constexpr HRESULT DV_E_DVASPECT = -11;
inline constexpr HRESULT DV_E_TYMED = -12;
inline constexpr HRESULT DRAGDROP_E_NOTREGISTERED = -20;
inline constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = -21;

constexpr bool SUCCEEDED(HRESULT result)
{
    return result >= 0;
}

constexpr bool FAILED(HRESULT result)
{
    return result < 0;
}

struct GUID {
    DWORD data1;
    WORD data2;
    WORD data3;
    BYTE data4[8];

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr IID IID_IUnknown{0x6B72766F, 0x0000, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x00, 0x00}};

struct IUnknown {
    // Puts the object's interface iid, with one more reference, into *object; otherwise null and
    // E_NOINTERFACE.
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    // Both answer the count afterwards.
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
};
