#include "host/chunk_error_text.h"
#include "host/chunk_id_text.h"

#include "hostframework/host_error.h"

namespace host {

namespace {

const char* meaningOf(std::int32_t code)
{
    switch (code) {
    case kHostErrContainerFailure: return "its data runs past its end";
    case kHostErrNoGroup: return "the library has no process group open";
    case kHostErrNoMIDIInstance: return "its data holds no MIDI instance number the instance can take";
    case kHostErrEmptyChunk: return "the instance has nothing to put in it";
    case kHostErrNoProcessType: return "the library has no process type of this instance's";
    case kHostErrNoProcess: return "there is no such instance";
    case kHostErrNoSuchChunk: return "it is not this plug-in's";
    case kHostErrUnexpected: return "the plug-in failed unexpectedly";
    case kHostErrNoMemory: return "the plug-in ran out of memory";
    case kHostErrNullArgument: return "no record was given";
    default: return "the plug-in refused it";
    }
}

} // namespace

std::string chunkErrorText(std::uint32_t chunkID, std::int32_t code)
{
    std::string text = "chunk '";
    text += chunkIdText(chunkID);
    text += "': ";
    text += meaningOf(code);
    text += " (";
    text += std::to_string(code);
    text += ')';
    return text;
}

} // namespace host
