#pragma once

// The instance a type answers for a handle it does not know: it has no ports and refuses every
// change.

#include "hostframework/plugin_model/plugin.h"

class CDefaultPlugIn : public CPlugIn {
public:
    CDefaultPlugIn(const SPlugInID& id, CPlugInType* type) : CPlugIn(id, type) {}

    std::int32_t GetNumInputs() override { return 0; }
    std::int16_t SetNumInputs(std::int32_t) override { return kHostErrRefused; }
    std::int32_t GetNumOutputs() override { return 0; }
    std::int16_t SetNumOutputs(std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension15(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension17(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension19() override { return kHostErrRefused; }
    std::int32_t Extension20(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension22(std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension23(std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension24(std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension35(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int32_t Extension36(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension38(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension39(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension40(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension41(std::int32_t, std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension42(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension43(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Extension44(std::int32_t) override { return kHostErrRefused; }
};
