#pragma once

// The root of a view tree that has no resources of its own: its children are built from descriptions
// written at run time.

#include "hostframework/views/custom_view.h"

#include <cstdint>

class CProcess;

class CNoResourceView : public CCustomView {};

// Null when there is no memory for one.
CCustomView* NewNoResourceView();

// A plain editor for any process: a row per meter (its level and clip light) and a row per control
// but the process's bypass (its name, its editor and its value as text). The meter and clip id arrays
// hold one four-character id per meter. The caller owns the new root.
CNoResourceView* BuildGenericLayout(CProcess& process, const std::uint32_t* meterIDs, const std::uint32_t* clipIDs);
