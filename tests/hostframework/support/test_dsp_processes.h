#pragma once

// A DSP group, type, process and DSP object made for tests: each writes what is done to it into a
// shared log, and answers what a test sets.

#include "hostframework/dsp_process.h"
#include "hostframework/dsp_process_group.h"
#include "hostframework/dsp_process_type.h"
#include "tests/hostframework/support/test_processes.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kravo::test {

using Log = std::vector<std::string>;

class RecordingDSP : public CProcessDSP {
public:
    RecordingDSP(Log& log, std::string name) : log(log), name(std::move(name)) {}
    ~RecordingDSP() override { log.push_back("deleted " + name); }

    std::int16_t GetUserCount() override { return users; }
    void Stop() override { log.push_back("stop " + name); }
    std::int32_t GetDSPIndex() override { return index; }
    std::int16_t GetDSPSlot() override { return slot; }
    std::int32_t GetReportValue() override { return 77; }
    void ProcessCall30(std::int32_t i, std::int16_t s, std::int32_t a, std::int32_t b) override { record(30, i, s, a, b); }
    void ProcessCall31(std::int32_t i, std::int16_t s, std::int32_t a, std::int32_t b) override { record(31, i, s, a, b); }
    void ProcessCall32(std::int32_t i, std::int16_t s, std::int32_t a) override { record(32, i, s, a, 0); }
    void ProcessCall33(std::int32_t i, std::int16_t s, std::int32_t a) override { record(33, i, s, a, 0); }

    Log& log;
    std::string name;
    std::int16_t users = 0;
    std::int32_t index = 0;
    std::int16_t slot = 0;

private:
    void record(int call, std::int32_t i, std::int16_t s, std::int32_t a, std::int32_t b)
    {
        std::string entry = std::to_string(call);
        for (std::int32_t value : {i, static_cast<std::int32_t>(s), a, b})
            entry.append(" ").append(std::to_string(value));
        log.push_back(entry);
    }
};

class TestDSPProcess : public CDSPProcess {
public:
    explicit TestDSPProcess(Log& log) : log(log) {}

    std::int32_t GetNumInputs(std::int16_t* count) override { return setOut(count, std::int16_t{2}); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return setOut(count, std::int16_t{2}); }
    double GetPriorityAsDouble() override { return load ? *load : CDSPProcess::GetPriorityAsDouble(); }
    std::int32_t ReactivateListeners() override
    {
        return listenerFailure != 0 ? listenerFailure : CDSPProcess::ReactivateListeners();
    }
    std::int32_t HostCall144() override
    {
        log.push_back("144");
        return 0;
    }

    // The hand-over from the type, in the order it comes.
    void SetProcessType(CProcessType* type) override
    {
        log.push_back("type");
        CDSPProcess::SetProcessType(type);
    }
    void SetDSPProcessType(CDSPProcessType* type) override
    {
        log.push_back("dsp type");
        CDSPProcess::SetDSPProcessType(type);
    }
    void SetIndexA(std::int16_t index) override
    {
        log.push_back("index " + std::to_string(index));
        CDSPProcess::SetIndexA(index);
    }
    void SetIndexB(std::int16_t index) override
    {
        log.push_back("id " + std::to_string(index));
        CDSPProcess::SetIndexB(index);
    }
    std::int32_t Initialize() override
    {
        log.push_back("initialize");
        return CDSPProcess::Initialize();
    }
    void SetSampleRate(std::int32_t rate) override
    {
        log.push_back("rate " + std::to_string(rate));
        CDSPProcess::SetSampleRate(rate);
    }
    std::int32_t OptionalHook1(std::int32_t word) override
    {
        log.push_back("word " + std::to_string(word));
        return CDSPProcess::OptionalHook1(word);
    }

    Log& log;
    std::optional<double> load;
    std::int32_t listenerFailure = 0;
};

class TestDSPType : public CDSPProcessType {
public:
    explicit TestDSPType(Log& log, DOA::INondelegatingUnknown* outer = nullptr) : CDSPProcessType(outer), log(log) {}

    std::int32_t GetNumInputs(std::int32_t, std::int16_t* count) override { return setOut(count, std::int16_t{2}); }
    std::int32_t GetNumOutputs(std::int32_t, std::int16_t* count) override { return setOut(count, std::int16_t{2}); }
    CProcess* MakeProcess() override { return makeProcess ? makeProcess() : new TestDSPProcess(log); }
    TestDSPProcess* process(std::int32_t processID) { return dynamic_cast<TestDSPProcess*>(FindProcess(processID)); }

    Log& log;
    std::function<CProcess*()> makeProcess;
};

class TestDSPGroup : public CDSPProcessGroup {
public:
    explicit TestDSPGroup(Log& log) : log(log) {}

    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    std::int32_t GetPlugInName(std::uint8_t* name, std::int32_t maxLength) override
    {
        return WritePlugInName(plugInName, name, maxLength);
    }
    void CreateProcessTypes() override
    {
        for (CProcessType* type : typesToAdd)
            AddProcessType(type);
        typesToAdd.clear();
    }
    void GetConversantCodes(std::uint32_t& manufacturer, std::uint32_t& product, std::uint32_t& type) override
    {
        if (codes.empty())
            return;
        manufacturer = codes[0];
        product = codes[1];
        type = codes[2];
    }
    CProcessDSP* MakeDSPObject(std::int16_t, std::int32_t, DshShell*) override
    {
        return new RecordingDSP(log, "dsp" + std::to_string(++made));
    }
    std::int32_t HostCall35(std::int32_t* arg1, char** arg2) override
    {
        if (throwInGroupCalls)
            throw std::runtime_error("group call");
        return CDSPProcessGroup::HostCall35(arg1, arg2);
    }
    std::int32_t HostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count, std::uint32_t* value) override
    {
        if (throwInGroupCalls)
            throw CHostError(-1);
        return CDSPProcessGroup::HostCall136(request, flag, count, value);
    }

    Log& log;
    std::string plugInName = "Kravo Test";
    std::vector<CProcessType*> typesToAdd;
    std::vector<std::uint32_t> codes;
    bool throwInGroupCalls = false;
    int made = 0;
};

} // namespace kravo::test
