#pragma once

// The DSP objects of the chip families: each is its family's words (chip_words.h) on the process
// DSP object.

#include "hostframework/dsp_card/process_dsp.h"

class CGenericDSP : public CProcessDSP {
public:
    CGenericDSP() : CProcessDSP(kGenericDSPWords) {}

protected:
    explicit CGenericDSP(const SChipWords& words) : CProcessDSP(words) {}
};

class COnyxChipDSP : public CGenericDSP {
public:
    COnyxChipDSP() : CGenericDSP(kOnyxChipWords) {}

protected:
    explicit COnyxChipDSP(const SChipWords& words) : CGenericDSP(words) {}
};

class CPrestoChipDSP : public COnyxChipDSP {
public:
    CPrestoChipDSP() : COnyxChipDSP(kPrestoChipWords) {}
};

class C321ChipDSP : public CGenericDSP {
public:
    C321ChipDSP() : CGenericDSP(k321ChipWords) {}
};
