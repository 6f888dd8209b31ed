#pragma once

// A group, a type and a process made for tests: the type's factory makes TestProcesses, numbered as
// the library numbers its own, and each class answers what a test sets.

#include "hostframework/doa_unknown.h"
#include "hostframework/process.h"
#include "hostframework/process_group.h"
#include "hostframework/process_type.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace kravo::test {

class TestProcess : public CProcess {
public:
    std::int32_t GetNumInputs(std::int16_t* count) override { return setOut(count, inputs); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return setOut(count, outputs); }
    std::int32_t Uninitialize() override
    {
        ++shutDowns;
        return CProcess::Uninitialize();
    }

    std::int16_t inputs = 2;
    std::int16_t outputs = 2;
    int shutDowns = 0;
};

// A process that an outer object aggregates: the type lets go of it through the outer object.
class AggregatedProcess : public TestProcess, public DOA::CUnknown {
public:
    explicit AggregatedProcess(DOA::INondelegatingUnknown* outer) : DOA::CUnknown(outer) {}
};

class CountingOuter : public DOA::INondelegatingUnknown {
public:
    std::int32_t QueryInterface(const DOA::SInterfaceID&, void** out) override
    {
        *out = nullptr;
        return DOA::kNoSuchInterface;
    }
    std::int32_t AddRef() override { return ++references; }
    std::int32_t Release() override
    {
        ++releases;
        return --references;
    }
    std::int32_t references = 1;
    int releases = 0;
};

class TestType : public CProcessType {
public:
    explicit TestType(std::uint32_t id, std::int32_t kind = 0) : id(id) { typeKind = kind; }

    std::int32_t GetTypeID(std::uint32_t* out) override { return setOut(out, id); }
    std::int32_t GetNumInputs(std::int32_t processID, std::int16_t* count) override
    {
        CProcess* process = FindProcess(processID);
        return process != nullptr ? process->GetNumInputs(count) : kHostErrNoProcess;
    }
    std::int32_t GetNumOutputs(std::int32_t processID, std::int16_t* count) override
    {
        CProcess* process = FindProcess(processID);
        return process != nullptr ? process->GetNumOutputs(count) : kHostErrNoProcess;
    }
    std::int32_t SetSampleRate(std::int32_t rate) override
    {
        ++sampleRateCalls;
        CProcessType::SetSampleRate(rate);
        return sampleRateAnswer;
    }
    // The lowest free id, as the library numbers processes.
    std::int32_t CreateProcessInstance(std::int32_t* newProcessID) override
    {
        CProcess* process = makeProcess ? makeProcess() : new TestProcess;
        std::int32_t processID = 1;
        while (FindProcess(processID) != nullptr)
            ++processID;
        processes.push_back(process);
        *newProcessID = processID;
        process->SetProcessType(this);
        process->SetIndexA(typeIndex);
        process->SetIndexB(static_cast<std::int16_t>(processID));
        process->Initialize();
        return 0;
    }
    TestProcess* process(std::int32_t processID) { return dynamic_cast<TestProcess*>(FindProcess(processID)); }

    std::uint32_t id;
    std::int32_t sampleRateAnswer = 0;
    int sampleRateCalls = 0;
    std::function<CProcess*()> makeProcess;
};

// The plug-in name as a group answers it: length-prefixed, cut to the length.
inline std::int32_t WritePlugInName(const std::string& plugInName, std::uint8_t* name, std::int32_t maxLength)
{
    const auto length = std::min<std::size_t>(plugInName.size(), static_cast<std::size_t>(maxLength));
    name[0] = static_cast<std::uint8_t>(length);
    std::memcpy(name + 1, plugInName.data(), length);
    return 0;
}

class TestGroup : public CProcessGroup {
public:
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
    void SortProcessTypes() override
    {
        ++sorts;
        CProcessGroup::SortProcessTypes();
    }
    std::vector<std::uint32_t> typeOrder()
    {
        std::vector<std::uint32_t> ids;
        for (std::int16_t n = 1;; ++n) {
            try {
                std::uint32_t id = 0;
                GetProcessTypeByIndex(n)->GetTypeID(&id);
                ids.push_back(id);
            } catch (const CHostError&) {
                return ids;
            }
        }
    }

    std::string plugInName = "Kravo Test";
    std::vector<CProcessType*> typesToAdd;
    int sorts = 0;
};

constexpr std::uint32_t fourCC(const char (&text)[5])
{
    return FourCharCode(text);
}

} // namespace kravo::test

namespace kravo::test {

// A control whose value text is its host value in decimal and whose name is its own.
class TestControl : public CPluginControl {
public:
    TestControl(std::uint32_t id, std::string name, std::int32_t value = 0) : id(id), name(std::move(name)), value(value)
    {
        SetHostValue(value);
    }
    std::uint32_t GetID() override { return id; }
    std::int32_t GetValue() override { return value; }
    void SetValue(std::int32_t hostValue) override { value = hostValue; }
    std::int32_t GetNumSteps() override { return 128; }
    std::int32_t SetValueFromText(const char* text) override
    {
        if (text == nullptr || *text == '\0')
            throw CHostError(kHostErrUnexpected);
        return std::atoi(text);
    }
    bool IsKeyValid(std::int16_t character) override { return character >= '0' && character <= '9'; }
    void GetName(char* out, std::int32_t maxLength) override
    {
        const auto length = std::min<std::size_t>(name.size(), static_cast<std::size_t>(std::max(maxLength, 0)));
        std::memcpy(out, name.data(), length);
        out[length] = '\0';
    }
    std::int32_t GetAttributeA() override { return 0; }
    std::int32_t GetAttributeB() override { return 8; }
    std::int32_t GetAttributeC() override { return 1; }
    void GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue) override
    {
        const std::string number = std::to_string(hostValue);
        const auto length = std::min<std::size_t>(number.size(), static_cast<std::size_t>(std::max(maxLength, 0)));
        std::memcpy(text, number.data(), length);
        text[length] = '\0';
    }
    bool IsAutomatable() override { return true; }

    std::uint32_t id;
    std::string name;
    std::int32_t value;
};

} // namespace kravo::test
