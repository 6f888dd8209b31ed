#include "hostframework/plugin_model/smart_structure.h"

namespace {

// Structures are built on the host's main thread only.
constinit CSmartStructure* gStructureUnderConstruction = nullptr;

} // namespace

CSmartStructure::CSmartStructure()
{
    gStructureUnderConstruction = this;
}

CSmartStructure* CSmartStructure::UnderConstruction()
{
    return gStructureUnderConstruction;
}
