#include "hostlibs/engine/host_engine.h"

#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/withheld_names.h"

#include <atomic>

namespace {

hostlibs::WithheldNames& withheldNames()
{
    static hostlibs::WithheldNames names;
    return names;
}

std::atomic<PlugInOpenProc> gOpenProc{nullptr};
std::atomic<PlugInCloseProc> gCloseProc{nullptr};

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return withheldNames().offers(name);
}

void SetPlugInOpenAndCloseProcs(PlugInOpenProc open, PlugInCloseProc close)
{
    gOpenProc = open;
    gCloseProc = close;
}

} // extern "C"

namespace hostengine {

void withhold(const char* name)
{
    withheldNames().withhold(name);
}

void offerEverything()
{
    withheldNames().offerEverything();
}

bool hasOpenAndCloseProcs()
{
    return gOpenProc.load() != nullptr && gCloseProc.load() != nullptr;
}

std::int16_t openPlugIn()
{
    const PlugInOpenProc open = gOpenProc.load();
    return open != nullptr ? open() : std::int16_t{-1};
}

std::int16_t closePlugIn()
{
    const PlugInCloseProc close = gCloseProc.load();
    return close != nullptr ? close() : std::int16_t{-1};
}

void forgetOpenAndCloseProcs()
{
    gOpenProc = nullptr;
    gCloseProc = nullptr;
}

} // namespace hostengine
