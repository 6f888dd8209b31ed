#include "hostframework/host_connections_api.h"

#include "hostframework/conversant_info.h"
#include "hostlibs/engine/host_engine.h"

std::int16_t SPIHostConnectionsAPI::ReactivateTalker(void* talker, std::int16_t value)
{
    return HostReactivateTalker(talker, value);
}

std::int16_t SPIHostConnectionsAPI::DeactivateTalker(void* talker, std::int16_t value)
{
    return HostDeactivateTalker(talker, value);
}

std::int16_t SPIHostConnectionsAPI::ReactivateListener(void* listener, std::int16_t value)
{
    return HostReactivateListener(listener, value);
}

std::int16_t SPIHostConnectionsAPI::DeactivateListener(void* listener, std::int16_t value)
{
    return HostDeactivateListener(listener, value);
}

std::int16_t SPIHostConnectionsAPI::Gestalt(std::uint32_t selector, std::intptr_t* answer)
{
    return HostGestalt(selector, answer);
}

std::int16_t SPIHostConnectionsAPI::PrepareForConnections(std::int16_t start)
{
    return HostPrepareForConnections(0, start);
}

std::uint8_t SPIHostConnectionsAPI::PrepareForConnectionsStatus()
{
    return static_cast<std::uint8_t>(HostPrepareForConnectionsStatus(0) & 0xFF);
}

std::int16_t SPIHostConnectionsAPI::CreatePlugInSpec(SConversantInfo& info)
{
    return HostCreatePlugInSpec(info.manufacturer, info.product, info.type, &info);
}

SPIHostConnectionsAPI& GetHostConnectionsAPI()
{
    static SPIHostConnectionsAPI api;
    return api;
}
