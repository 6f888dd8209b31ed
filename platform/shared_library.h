#pragma once

// A shared library loaded from a path, as a host program loads a plug-in: its exported functions
// are found by name. The library stays loaded while the object lives.

#include <stdexcept>
#include <string>

namespace platform {

class SharedLibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SharedLibrary {
public:
    // Throws SharedLibraryError with the loader's reason when the library cannot be loaded.
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The exported function of that name; null when the library has none.
    void* symbol(const char* name) const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    void* handle_;
};

} // namespace platform
