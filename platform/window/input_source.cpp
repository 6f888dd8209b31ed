#include "platform/window/input_source.h"

#include "platform/window/scripted_input.h"

namespace {

platform::InputSource* chosen = nullptr;

} // namespace

namespace platform {

void setInputSource(InputSource* source)
{
    chosen = source;
}

} // namespace platform

namespace platform::window {

InputSource& inputSource()
{
    return chosen != nullptr ? *chosen : platform::scriptedInput();
}

} // namespace platform::window
