#pragma once

#include "hostframework/host_error.h"

// A DSP's host port did not get ready within the wait. Host commands swallow it; elsewhere it ends
// the operation like any host error.
class CTimedOutException : public CHostError {
public:
    CTimedOutException() : CHostError(kHostErrDSPTimedOut) {}
};
