#pragma once

// The connection calls of the host's engine, as one table the framework passes around.

#include <cstdint>

struct SConversantInfo;

class SHostConnectionsAPI {
public:
    virtual ~SHostConnectionsAPI() = default;
    virtual std::int16_t ReactivateTalker(void* talker, std::int16_t value) = 0;
    virtual std::int16_t DeactivateTalker(void* talker, std::int16_t value) = 0;
    virtual std::int16_t ReactivateListener(void* listener, std::int16_t value) = 0;
    virtual std::int16_t DeactivateListener(void* listener, std::int16_t value) = 0;
    virtual std::int16_t Gestalt(std::uint32_t selector, std::intptr_t* answer) = 0;
    virtual std::int16_t PrepareForConnections(std::int16_t start) = 0;
    // Nonzero while connections are being prepared.
    virtual std::uint8_t PrepareForConnectionsStatus() = 0;
    virtual std::int16_t CreatePlugInSpec(SConversantInfo& info) = 0;
};

class SPIHostConnectionsAPI final : public SHostConnectionsAPI {
public:
    std::int16_t ReactivateTalker(void* talker, std::int16_t value) override;
    std::int16_t DeactivateTalker(void* talker, std::int16_t value) override;
    std::int16_t ReactivateListener(void* listener, std::int16_t value) override;
    std::int16_t DeactivateListener(void* listener, std::int16_t value) override;
    std::int16_t Gestalt(std::uint32_t selector, std::intptr_t* answer) override;
    std::int16_t PrepareForConnections(std::int16_t start) override;
    std::uint8_t PrepareForConnectionsStatus() override;
    std::int16_t CreatePlugInSpec(SConversantInfo& info) override;
};

// The library's one table.
SPIHostConnectionsAPI& GetHostConnectionsAPI();
