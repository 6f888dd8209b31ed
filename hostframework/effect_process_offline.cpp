#include "hostframework/effect_process_offline.h"

#include "hostframework/adaptor_plugin.h"
#include "hostframework/host_text.h"


namespace {

constexpr std::int32_t kHookSelector = 5;

} // namespace

CEffectProcessOffline::CEffectProcessOffline() = default;

CEffectProcessOffline::~CEffectProcessOffline()
{
    adaptor.reset();
}

std::int32_t CEffectProcessOffline::Start(const SPlugInID& identity)
{
    return CAdaptorPlugIn::Create(adaptor, identity, *this, inputs.data(), outputs.data(), nullptr);
}

std::int32_t CEffectProcessOffline::Query(Table& table, std::int32_t position, std::uint8_t* connected)
{
    if (position >= 1 && position <= kPositions && AcceptsPosition(position))
        return setOut(connected, table[static_cast<std::size_t>(position - 1)] != 0 ? 1 : 0);
    return ::IsConnected(table.data(), kPositions, position, connected);
}

std::int32_t CEffectProcessOffline::Set(Table& table, std::int32_t position, ConnectionHandle value, bool input)
{
    if (position == designatedPosition)
        DesignatedConnectionChanging();
    if (position >= 1 && position <= kPositions && AcceptsPosition(position)) {
        table[static_cast<std::size_t>(position - 1)] = value;
        return 0;
    }
    return input ? ::ConnectInput(table.data(), kPositions, position, value)
                 : ::ConnectOutput(table.data(), kPositions, position, value);
}

std::int32_t CEffectProcessOffline::Clear(Table& table, std::int32_t position)
{
    if (position == designatedPosition)
        DesignatedConnectionChanging();
    if (position >= 1 && position <= kPositions && AcceptsPosition(position)) {
        table[static_cast<std::size_t>(position - 1)] = 0;
        return 0;
    }
    return ::Disconnect(table.data(), kPositions, position);
}

std::int32_t CEffectProcessOffline::IsInputConnected(std::int32_t position, std::uint8_t* connected)
{
    return Query(inputs, position, connected);
}

std::int32_t CEffectProcessOffline::IsOutputConnected(std::int32_t position, std::uint8_t* connected)
{
    return Query(outputs, position, connected);
}

std::int32_t CEffectProcessOffline::SetInputConnection(std::int32_t position, ConnectionHandle value)
{
    return Set(inputs, position, value, true);
}

std::int32_t CEffectProcessOffline::SetOutputConnection(std::int32_t position, ConnectionHandle value)
{
    return Set(outputs, position, value, false);
}

std::int32_t CEffectProcessOffline::ClearInputConnection(std::int32_t position)
{
    return Clear(inputs, position);
}

std::int32_t CEffectProcessOffline::ClearOutputConnection(std::int32_t position)
{
    return Clear(outputs, position);
}

std::int32_t CEffectProcessOffline::GetChunkAltName(std::int32_t selector, std::uint8_t* text)
{
    if (selector != kHookSelector || text == nullptr)
        return CEffectProcess::GetChunkAltName(selector, text);
    WithPlainText(text, [this](char* plain) { TextHook(plain); });
    return 0;
}
