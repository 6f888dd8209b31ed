#include "plugin/aplugin.h"

#include "plugin/settings/path_text.h"

#include <cstring>

void APlugin::scanPatternFolder()
{
    patternList.list(folderSettings.patternFolder + patternBrowserFolder);
}

void APlugin::enterPatternFolder(std::int32_t n)
{
    if (patternList.kind(n) != kravo::FileBrowserList::kFolder)
        return;
    char folder[kravo::kPathBufferSize] = {};
    if (!kravo::makeDirPath(patternBrowserFolder.c_str(), patternList.name(n).c_str(), folder))
        return;
    // The folder must also fit a whole path, or nothing in it could be loaded.
    if (std::strlen(folderSettings.patternFolder) + std::strlen(folder) >= kravo::kPathBufferSize)
        return;
    patternBrowserFolder = folder;
    selectedPatternFile.clear();
    scanPatternFolder();
}

void APlugin::patternBrowserToRoot()
{
    patternBrowserFolder.clear();
    selectedPatternFile.clear();
    scanPatternFolder();
}
