#pragma once

// Component objects made by class. The only class is the shell link (platform/shell/shell_link.h),
// served in process.

#include "platform/ole/com_base.h"

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

// Puts a new object of the class, as its interface iid, into *object. CO_E_NOTINITIALIZED before
// OleInitialize on this thread, REGDB_E_CLASSNOTREG for another class or without CLSCTX_INPROC_SERVER,
// E_INVALIDARG when asked to aggregate, E_NOINTERFACE for an interface the object lacks.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);
