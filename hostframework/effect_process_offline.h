#pragma once

// The process of offline, file-based rendering: the adaptor object presents it to the host's engine
// with the object's own render entry, and two tables of 48 connection words hold what the host
// connected to its inputs and outputs.

#include "hostframework/audio_connections.h"
#include "hostframework/effect_process.h"
#include "hostframework/plugin_model/plugin_id.h"

#include <array>
#include <memory>

class CEffectProcessOffline : public virtual CEffectProcess {
public:
    static constexpr std::int32_t kPositions = 48;

    CEffectProcessOffline();
    // The adaptor goes whatever state the process is in.
    ~CEffectProcessOffline() override;

    // Makes the adaptor with the instance's identity and has it report; -9006 when it cannot be
    // made, the code of a host error thrown meanwhile.
    std::int32_t Start(const SPlugInID& identity);
    CAdaptorPlugIn* GetAdaptorPlugIn() const override { return adaptor.get(); }

    // Positions 1..48. One the process accepts is answered from its tables; the others go through
    // the shared connection rules (-7106 outside 1..48, -7100 for an occupied one, -7107 for one
    // not connected).
    std::int32_t IsInputConnected(std::int32_t position, std::uint8_t* connected);
    std::int32_t IsOutputConnected(std::int32_t position, std::uint8_t* connected);
    std::int32_t SetInputConnection(std::int32_t position, ConnectionHandle value);
    std::int32_t SetOutputConnection(std::int32_t position, ConnectionHandle value);
    std::int32_t ClearInputConnection(std::int32_t position);
    std::int32_t ClearOutputConnection(std::int32_t position);

    // Setting or clearing this position tells the process first.
    void SetDesignatedPosition(std::int32_t position) { designatedPosition = position; }
    virtual void DesignatedConnectionChanging() {}
    virtual bool AcceptsPosition(std::int32_t position) { return HasOutputChannel(position); }

    // The text query: selector 5 hands the text to the hook, plain, and back.
    std::int32_t GetChunkAltName(std::int32_t selector, std::uint8_t* text) override;
    virtual void TextHook(char* /*text*/) {}

private:
    using Table = std::array<ConnectionHandle, kPositions>;
    std::int32_t Query(Table& table, std::int32_t position, std::uint8_t* connected);
    std::int32_t Set(Table& table, std::int32_t position, ConnectionHandle value, bool input);
    std::int32_t Clear(Table& table, std::int32_t position);

    Table inputs{};
    Table outputs{};
    std::int32_t designatedPosition = 0;
    std::unique_ptr<CAdaptorPlugIn> adaptor;
};
