#pragma once

// Paths beside the plug-in's module, and the text conversions that go with them.

#include <string>

// Turns a file name into a path.
class FileNameCallback {
public:
    virtual ~FileNameCallback() = default;
    virtual std::string GetPath() const = 0;
};

// The file of that name in the folder of the plug-in's own module.
class DefaultPathFileNameCallback : public FileNameCallback {
public:
    explicit DefaultPathFileNameCallback(std::string fileName) : fileName(std::move(fileName)) {}
    std::string GetPath() const override;

private:
    std::string fileName;
};

// The drive and folder of a module's file, ending in its separator; null names the plug-in's own.
// A named module that is not loaded has no folder ("").
std::string GetModuleFolder(const char* moduleName);

// UTF-8 and wide texts; a malformed sequence becomes U+FFFD.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
