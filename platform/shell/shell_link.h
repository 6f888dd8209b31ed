#pragma once

// Shell links (shortcuts): a file whose name ends in ".lnk" (in any case) that stands for another path.
// Such a file is a link when it is a symbolic link (standing for its target; a relative target is taken
// from the link's folder) or a text file whose first line is "kravo-shell-link <path>". The object is
// made by CoCreateInstance with CLSID_ShellLink, loaded through IPersistFile, then resolved.

#include "platform/file_search.h"
#include "platform/ole/persist_file.h"

inline constexpr CLSID CLSID_ShellLink{0x6B72766F, 0x0100, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x01, 0x00}};
inline constexpr IID IID_IShellLinkA{0x6B72766F, 0x0004, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x00, 0x04}};

// Resolve asks no user; its time-out is then how long, in milliseconds, the search for a missing target
// may take (on the replaceable clock of platform/clock.h) before it gives up.
inline constexpr DWORD SLR_NO_UI = 0x1;
// Accepted; the only match looked for is the stored path itself.
inline constexpr DWORD SLR_ANY_MATCH = 0x2;

// Asks for the short form of the path; there is only one form, the stored path.
inline constexpr DWORD SLGP_SHORTPATH = 0x1;

struct IShellLinkA : IUnknown {
    // The stored path, cut to size - 1 characters and zero-terminated. The find data, when given, is
    // cleared. E_INVALIDARG without a buffer, E_FAIL (and an empty text) before a link was loaded.
    virtual HRESULT GetPath(LPSTR file, int size, WIN32_FIND_DATAA* findData, DWORD flags) = 0;
    // S_OK when the stored path exists. Otherwise the search lasts its time-out (SLR_NO_UI; no time
    // without it, as there is no user to ask) and fails with E_FAIL.
    virtual HRESULT Resolve(HWND window, DWORD flags, DWORD timeoutMilliseconds) = 0;
};

namespace platform {

// A new shell link answering the interface iid, for CoCreateInstance.
HRESULT newShellLink(REFIID iid, void** object);
// The shell links not yet released, so that tests can insist none is left.
int shellLinkCount();

} // namespace platform
