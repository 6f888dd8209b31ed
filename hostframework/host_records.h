#pragma once

// The records the host passes to the routines. The host owns them; the framework reads and fills
// only what the operations name. Records whose layout nothing here reads stay incomplete.

#include <cstdint>

#pragma pack(push, 2)

// Host coordinates: 16-bit, top, left, bottom, right.
struct Rect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

struct Point {
    std::int16_t v;
    std::int16_t h;
};

struct EventRecord {
    std::uint16_t what;
    std::uint32_t message;
    std::uint32_t when;
    Point where;
    std::uint16_t modifiers;
};

#pragma pack(pop)

// The time-code pair the group keeps is the record's first two words.
struct SHostTimeCodeInfo {
    std::int32_t first;
    std::int32_t second;
};

struct SHostPlugInStemFormats {
    std::int32_t formats[3];
};

// The host's description of one plug-in, thirteen words. Its connection queries name a type and the
// channel layout they look for in the words below; the rest are the host's. A process's view settings
// travel in the same record.
struct SHostPlugInSpec {
    std::int32_t words[13];
};

enum EHostPlugInRecordWord : std::size_t {
    kRecordManufacturer = 0,
    kRecordPlugInNumber = 1,
    kRecordTypeID = 2,
    kRecordPlugInID = 3,
    kRecordLayout = 4,
    kRecordInputFormat = 5,
    kRecordOutputFormat = 6,
};

// One output stream as the host sees it: whether it is there, its first global channel, its stem
// format and its name.
struct SHostPlugInStemInfo {
    std::int32_t present = -1;
    std::int32_t firstChannel = -1;
    std::int32_t stemFormat = -100;
    char name[256] = {};
};

static_assert(sizeof(SHostPlugInStemInfo) == 268);

enum EMeterType : std::int32_t {};
enum EMeterOrientation : std::int32_t {};

struct OpaqueGrafPtr;
struct SHostAutoTimeRampData;
struct SHostCardAutoElem;
struct SHostPlugInChunk;
struct SASPRegion;
struct SFileList;
struct IEngineUnknown;
struct ComponentRecord;

// The host's component dispatcher, handed over by routine selector 14.
using ComponentDispatcher = std::int16_t (*)(std::int16_t request, ComponentRecord* component, char** parameters);
