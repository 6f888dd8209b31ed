#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace kravo::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void writeFile(const std::string& name, const std::string& content) const;
    std::string readFile(const std::string& name) const;
    // The names of the files and folders directly inside.
    std::set<std::string> names() const;

private:
    std::filesystem::path path_;
};

} // namespace kravo::test
