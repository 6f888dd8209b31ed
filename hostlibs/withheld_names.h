#pragma once

// The names a host library stand-in keeps from GetProcAddress, as an older host's library would not
// have those functions. Each library holds its own set and exports kravoHostLibraryOffers over it.

#include <mutex>
#include <set>
#include <string>

namespace hostlibs {

class WithheldNames {
public:
    void withhold(const std::string& name)
    {
        const std::lock_guard<std::mutex> guard(lock);
        names.insert(name);
    }
    void offerEverything()
    {
        const std::lock_guard<std::mutex> guard(lock);
        names.clear();
    }
    bool offers(const char* name)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return name != nullptr && names.count(name) == 0;
    }

private:
    std::mutex lock;
    std::set<std::string> names;
};

} // namespace hostlibs
