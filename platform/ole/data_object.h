#pragma once

// IDataObject: the data a drag carries, offered in formats, each asked for with a FORMATETC.

#include "platform/ole/storage_medium.h"

using CLIPFORMAT = WORD;

// Zero-terminated text in the ANSI code page.
inline constexpr CLIPFORMAT CF_TEXT = 1;
// A DROPFILES block (platform/shell/drop_files.h).
inline constexpr CLIPFORMAT CF_HDROP = 2;

// The data itself, rather than a picture or an icon of it.
inline constexpr DWORD DVASPECT_CONTENT = 1;

struct FORMATETC {
    CLIPFORMAT cfFormat;
    // No target devices are known: always null.
    void* ptd;
    DWORD dwAspect;
    // -1: all of the data.
    LONG lindex;
    // The media the caller takes, TYMED_ bits.
    DWORD tymed;
};

inline constexpr IID IID_IDataObject{0x6B72766F, 0x0001, 0x4000, {0x80, 0x4B, 0x52, 0x56, 0x4F, 0x00, 0x00, 0x01}};

struct IDataObject : IUnknown {
    // Fills the medium with the data in the format asked for; the caller gives it back with
    // ReleaseStgMedium. DV_E_FORMATETC, DV_E_DVASPECT or DV_E_TYMED for what the object does not offer.
    virtual HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) = 0;
    // Whether GetData would succeed: S_OK or the error it would answer.
    virtual HRESULT QueryGetData(FORMATETC* format) = 0;
};
