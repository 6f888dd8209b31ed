#pragma once

// The process type of an audio effect or instrument: the plug-in's identity, its channel formats,
// the features the host asks about, a value per card family, and the factory that makes a process.

#include "hostframework/dsp_process_type.h"

#include <array>
#include <set>
#include <string>

class CEffectGroup;

class CEffectType : public CDSPProcessType {
public:
    using ProcessFactory = CProcess* (*)();

    // The secondary ID a type gives beside its plug-in ID unless told another.
    static constexpr std::uint32_t kDefaultSecondaryID = 0x67724944; // 'grID'

    CEffectType(std::uint32_t typeID, std::uint32_t plugInID, std::int32_t kind, std::int32_t attribute21);
    // Copies the set-up: features, names, IDs, formats, counts, factory, resource name, card
    // attributes and DSP fields; the processes stay.
    CEffectType& operator=(const CEffectType& other);

    // Set-up, in the order a group uses it at registration.
    void SetNameList(const char* list) { nameList = list != nullptr ? list : ""; }
    void SetDefaultCardAttribute(std::int32_t value) { SetCardAttribute(value, -1); }
    virtual void AddFeature(std::int32_t feature);
    // -1 (0xFFFFFFFF) leaves a side's channel count; a format outside 0..10 throws -7401.
    void SetStemFormats(std::int32_t input, std::int32_t output, std::int32_t side);
    void SetProcessFactory(ProcessFactory factory) { processFactory = factory; }
    void SetResourceName(const char* name) { resourceName = name != nullptr ? name : ""; }
    // Key -1 takes the value whole, keys 18 and 21 its lowest bit, 26 and 29 its lowest three; other
    // keys are ignored.
    void SetCardAttribute(std::int32_t value, std::int32_t key);
    void SetChannelCounts(std::int32_t inputs, std::int32_t outputs);
    void RemoveFeature(std::int32_t feature) { features.erase(feature); }
    void SetSecondaryID(std::uint32_t code) { secondaryID = code; }

    std::int32_t GetPlugInIDs(std::uint32_t* plugInID, std::uint32_t* secondary);
    // 1 for a key without a stored value.
    std::int32_t GetCardAttribute(std::int32_t key) const;
    std::uint32_t GetPlugInID() const { return plugInID; }
    std::uint32_t GetTypeIDValue() const { return typeID; }
    std::int32_t GetInputFormat() const { return inputFormat; }
    std::int32_t GetOutputFormat() const { return outputFormat; }
    std::int32_t GetSideFormat() const { return sideFormat; }
    // The group of a native real-time type, which it asks for its identity when it makes a process.
    void SetGroupLink(CEffectGroup* group) { groupLink = group; }
    CEffectGroup* GetGroupLink() const { return groupLink; }
    const std::string& GetNameList() const { return nameList; }

    // The host's type operations.
    std::int32_t GetName(std::int32_t maxLength, char* name) override;
    std::int32_t GetTypeID(std::uint32_t* id) override;
    std::int32_t GetStemFormats(std::int32_t processID, SHostPlugInStemFormats* formats) override;
    std::int32_t GetNumInputs(std::int32_t processID, std::int16_t* count) override;
    std::int32_t GetNumOutputs(std::int32_t processID, std::int16_t* count) override;
    std::int32_t HostCall15(std::int32_t processID, EventRecord* event) override;
    std::int32_t GetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t SetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t CompareChunk(std::int32_t processID, SHostPlugInChunk* chunk, std::uint8_t* same) override;
    std::int32_t GetTypeAttribute(std::int32_t attribute, std::int32_t* value) override;
    // A side whose stem format is set takes that format only.
    bool AllowsFormatA(std::int16_t format) override { return allowsFormat(inputFormat, format); }
    bool AllowsFormatB(std::int16_t format) override { return allowsFormat(outputFormat, format); }
    void GetTypeIDString(std::uint8_t* text) override;

    CProcess* MakeProcess() override { return processFactory != nullptr ? processFactory() : nullptr; }

protected:
    bool allowsFormat(std::int32_t fixed, std::int16_t format) const;

    // The keys of the card attributes, in the order they are stored.
    static constexpr std::array<std::int32_t, 5> kCardKeys = {-1, 18, 21, 26, 29};

    std::set<std::int32_t> features;
    std::string nameList;
    std::uint32_t typeID;
    std::uint32_t plugInID;
    std::uint32_t secondaryID = kDefaultSecondaryID;
    std::int32_t attribute21;
    std::int32_t inputChannels = 0;
    std::int32_t outputChannels = 0;
    std::int32_t inputFormat = 0;
    std::int32_t outputFormat = 0;
    std::int32_t sideFormat = 0;
    ProcessFactory processFactory = nullptr;
    std::string resourceName;
    std::array<std::int32_t, kCardKeys.size()> cardAttributes{1, 1, 1, 1, 1};
    std::int32_t dspCounts[2] = {0, 0};
    std::int32_t dspLimit = -1;
    CEffectGroup* groupLink = nullptr;
};
