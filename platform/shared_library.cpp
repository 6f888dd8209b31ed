#include "platform/shared_library.h"

#include <dlfcn.h>

namespace platform {

SharedLibrary::SharedLibrary(const std::string& path) : path_(path), handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw SharedLibraryError("cannot load " + path + ": " + (reason != nullptr ? reason : "unknown reason"));
    }
}

SharedLibrary::~SharedLibrary()
{
    dlclose(handle_);
}

void* SharedLibrary::symbol(const char* name) const
{
    return dlsym(handle_, name);
}

} // namespace platform
