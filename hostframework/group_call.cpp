#include "hostframework/group_call.h"

#include "hostframework/host_error.h"

#include <new>

std::int32_t groupCallBarrier(SGenFuncRetLong& call)
{
    try {
        return call.Call();
    } catch (const std::bad_alloc&) {
        return kHostErrNoMemory;
    } catch (const CHostError& error) {
        return error.GetCode();
    } catch (...) {
        return kHostErrUnexpected;
    }
}
