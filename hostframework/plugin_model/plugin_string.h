#pragma once

// Texts of the plug-in object model. A CPlugInString is a caller's buffer of `capacity` characters
// plus the terminator; every text the model answers is written into one. A name list holds the
// forms of one name, longest first, and answers the longest form that fits a buffer.

#include "hostframework/plugin_model/set.h"

#include <cstdint>

class CPlugInString {
public:
    // The buffer must hold capacity + 1 bytes.
    CPlugInString(std::int32_t capacity, char* buffer) : capacity(capacity), text(buffer) {}
    CPlugInString(const CPlugInString&) = delete;
    CPlugInString& operator=(const CPlugInString&) = delete;

    // Copies at most `capacity` characters, always terminated, and terminates the buffer's last
    // byte too.
    void Set(const char* value);
    const char* Get() const { return text; }
    std::int32_t GetCapacity() const { return capacity; }
    std::int32_t GetLength() const;

private:
    std::int32_t capacity;
    char* text;
};

// A name with its own buffer.
class CPlugInName : public CPlugInString {
public:
    explicit CPlugInName(const char* value) : CPlugInString(kCapacity, buffer) { Set(value); }

    static constexpr std::int32_t kCapacity = 63;

private:
    char buffer[kCapacity + 1];
};

class CPlugInNameList {
public:
    CPlugInNameList() = default;
    CPlugInNameList(const CPlugInNameList&) = delete;
    CPlugInNameList& operator=(const CPlugInNameList&) = delete;
    ~CPlugInNameList() { names.DeleteAll(); }

    // Appends a shorter form; a name that cannot be allocated is left out.
    void AddName(const char* name);
    // The first form shorter than the text's capacity; when none is, the last form cut to it.
    // Without names the text is empty.
    void GetName(CPlugInString& text) const;

private:
    CSet<CPlugInName> names;
};
