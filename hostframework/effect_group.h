#pragma once

// The group of an effect plug-in: who made it, what it is called, the effect types it offers and
// the answers the host asks of them.

#include "hostframework/dsp_process_group.h"

#include <set>
#include <string>

class CEffectType;

class CEffectGroup : public CDSPProcessGroup {
public:
    static constexpr std::int32_t kGroupKind = 3;

    void SetManufacturer(const char* names, std::uint32_t id);
    void SetPlugInNames(const char* names, std::int32_t number);
    void AddCapability(std::int32_t code) { capabilities.insert(code); }
    // A native real-time type learns its group; the group owns the type from here on.
    void AddEffectType(CEffectType* type);

    // The fitting form of each name list as the host's length-prefixed text.
    std::int32_t GetManufacturerName(std::uint8_t* text, std::int32_t capacity);
    std::int32_t GetPlugInName(std::uint8_t* text, std::int32_t capacity) override;
    std::int32_t GetPlugInNumber() const { return plugInNumber; }
    std::uint32_t GetManufacturerID() const { return manufacturerID; }
    // "Plug-Ins/<manufacturer>/<plug-in>/<number>", built at the first request and kept.
    void GetPlugInPath(char* text);

    // Routine 12: the manufacturer's name.
    std::int32_t HostCall12(std::int32_t capacity, char* text) override;
    // Routine 6: a type's IDs and the manufacturer ID; -77 for a type that is no effect type.
    std::int32_t HostCall6(std::int32_t index, std::uint32_t* manufacturer, std::uint32_t* plugInID,
                           std::uint32_t* secondaryID) override;
    // Routine 93: the group's capabilities, then the type's attributes.
    std::int32_t HostCall93(std::uint32_t typeID, std::int32_t code, std::int32_t* value) override;
    // Routines 66, 67 and 128: the group owns no chunk of its own, so every chunk is its type's.
    std::int32_t GetChunk(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                          SHostPlugInChunk* chunk) override;
    std::int32_t SetChunk(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                          SHostPlugInChunk* chunk) override;
    std::int32_t CompareChunk(std::uint32_t typeID, std::int32_t processID, SHostPlugInChunk* chunk,
                              std::uint8_t* same) override;
    // Who made the plug-in and which it is, into the host's record.
    void FillPlugInIdentity(SHostPlugInSpec& record) const;
    // Routine 68: the stem formats of the type the record names, when both are 1 or 2, with
    // the plug-in's identity; -7055 for a type that is missing or no effect type.
    std::int32_t HostCall68(SHostPlugInSpec* record, std::int32_t arg2, std::int32_t arg3) override;
    // Routine 138: 0 when a type matches the record's IDs, layout and formats (its identity then fills
    // the record), else -7055.
    std::int32_t Operation105(SHostPlugInSpec* record, std::int32_t arg2, std::int32_t arg3, std::int32_t arg4,
                              std::int32_t arg5, std::int32_t arg6) override;
    // Routine 75: the kind of the group.
    std::int32_t HostCall75() override { return kGroupKind; }
    std::int32_t Operation3() override { return plugInNumber; }

private:
    std::string manufacturerNames;
    std::uint32_t manufacturerID = 0;
    std::string plugInNames;
    std::int32_t plugInNumber = 0;
    std::set<std::int32_t> capabilities;
    std::string plugInPath;
};
