#include "plugin/samples/sample_browser.h"

namespace kravo {

bool isSampleFileName(std::string_view name)
{
    return endsWith(name, ".wav") || endsWith(name, ".aif") || endsWith(name, ".aiff");
}

std::string parentBrowseFolder(const std::string& folder)
{
    if (folder.size() < 2)
        return {};
    const std::size_t earlier = folder.find_last_of('\\', folder.size() - 2);
    if (earlier == std::string::npos || earlier == 0)
        return {};
    return folder.substr(0, earlier + 1);
}

std::string folderOfName(const std::string& name)
{
    const std::size_t last = name.find_last_of('\\');
    return last == std::string::npos ? std::string() : name.substr(0, last + 1);
}

std::string fileOfName(const std::string& name)
{
    const std::size_t last = name.find_last_of('\\');
    return last == std::string::npos ? name : name.substr(last + 1);
}

bool readSampleFile(SampleBuffer& buffer, const std::string& path)
{
    buffer.reset();
    if (!buffer.setPath(path.c_str()))
        return false;
    return endsWith(path, ".wav") ? buffer.readWavFile() : buffer.readAiffFile();
}

} // namespace kravo
