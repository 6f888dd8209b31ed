#pragma once

// The host framework's one exception and the checks that throw it. A host error code is signed,
// 0 for success and negative for a failure; the barrier at every host call turns the exception back
// into its code.

#include <cstdint>

// A container of the plug-in object model could not grow, or a report record was read past its end.
inline constexpr std::int32_t kHostErrContainerFailure = -1;
// The state data given to a DSP is missing or smaller than its word count says.
inline constexpr std::int32_t kHostErrStateDataMissing = -108;
inline constexpr std::int32_t kHostErrNotImplemented = -7000;
inline constexpr std::int32_t kHostErrNoSuchInstance = -7001;
inline constexpr std::int32_t kHostErrNoGroup = -7003;
inline constexpr std::int32_t kHostErrRefused = -7026;
inline constexpr std::int32_t kHostErrNullValue = -7053;
inline constexpr std::int32_t kHostErrNoDSPProcessGroup = -7027;
inline constexpr std::int32_t kHostErrNotAnEffectType = -7055;
inline constexpr std::int32_t kHostErrNoFreeInstance = -7077;
inline constexpr std::int32_t kHostErrNoDSPManager = -7080;
inline constexpr std::int32_t kHostErrNoMIDIInstance = -7082;
inline constexpr std::int32_t kHostErrEmptyChunk = -7083;
inline constexpr std::int32_t kHostErrOperation38Default = -7102;
inline constexpr std::int32_t kHostErrInputConnected = -7100;
inline constexpr std::int32_t kHostErrOutputConnected = -7101;
inline constexpr std::int32_t kHostErrNoSuchAOSInfo = -7103;
inline constexpr std::int32_t kHostErrStreamFormat = -7104;
inline constexpr std::int32_t kHostErrConnectionPosition = -7106;
inline constexpr std::int32_t kHostErrNotConnected = -7107;
inline constexpr std::int32_t kHostErrNoStemFormats = -7110;
inline constexpr std::int32_t kHostErrNoProcessType = -7125;
inline constexpr std::int32_t kHostErrNoProcess = -7126;
inline constexpr std::int32_t kHostErrCannotPlaceProcess = -7150;
inline constexpr std::int32_t kHostErrFormatANotAllowed = -7152;
inline constexpr std::int32_t kHostErrFormatBNotAllowed = -7153;
inline constexpr std::int32_t kHostErrNoSuchChunk = -7157;
inline constexpr std::int32_t kHostErrNoComponentDispatcher = -7175;
inline constexpr std::int32_t kHostErrNoComponentParameters = -7176;
// A DSP's host port did not answer in time.
inline constexpr std::int32_t kHostErrDSPTimedOut = -7201;
inline constexpr std::int32_t kHostErrBadListPosition = -7300;
inline constexpr std::int32_t kHostErrHostCall156Default = -7304;
inline constexpr std::int32_t kHostErrCheckFailed = -7400;
inline constexpr std::int32_t kHostErrUnexpected = -7401;
// The DSP code answered -1 when asked whether it takes a timed value.
inline constexpr std::int32_t kHostErrTimedValueRefused = -7433;
inline constexpr std::int32_t kHostErrNoMemory = -9006;
inline constexpr std::int32_t kHostErrNoRoutine = -9007;
inline constexpr std::int32_t kHostErrNullArgument = -9013;
// A plug-in object lacks what it needs to answer: a type for its fallback objects, a laid-out data record.
inline constexpr std::int32_t kHostErrNotSetUp = -9060;
inline constexpr std::int32_t kHostErrMIDIUnsupported = -9145;

class CHostError {
public:
    explicit CHostError(std::int32_t code) : code(code) {}
    // A 16-bit host result keeps its sign.
    explicit CHostError(std::int16_t code) : code(code) {}
    virtual ~CHostError() = default;
    CHostError(const CHostError&) = default;
    CHostError& operator=(const CHostError&) = default;

    std::int32_t GetCode() const { return code; }

private:
    std::int32_t code;
};

void ThrowIfFalse(bool condition);
void ThrowIfNull(const void* pointer);
void ThrowIfZero(std::int32_t value);
// A nonzero 16-bit result of a host library function becomes the exception.
void ThrowIfError(std::int16_t code);
