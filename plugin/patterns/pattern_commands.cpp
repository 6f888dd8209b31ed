#include "plugin/aplugin.h"

#include "engine/dsp/random_source.h"
#include "platform/windows_paths.h"
#include "plugin/parameters/text_field_parameters.h"
#include "plugin/settings/file_copy.h"
#include "plugin/settings/path_text.h"
#include "plugin/settings/user_dialogs.h"

#include <algorithm>
#include <cctype>

namespace {

using kravo::param::kFirstPatternParameter;
using kravo::param::kLastPatternParameter;
using kravo::param::kStepAttributeCount;
using kravo::param::kStepCount;
using kravo::param::StepAttribute;
using kravo::param::stepAttributeIndex;
using tables::kPatternList;
using tables::kPatternListLength;

enum PatternCommand : std::int32_t {
    kCopyTrack = 0,
    kPasteTrack = 1,
    kClearTrack = 2,
    kRandomTrack = 3,
    kMoveTrackLeft = 4,
    kMoveTrackRight = 5,
    kCopyPattern = 6,
    kPastePattern = 7,
    kClearPattern = 8,
    kCopyAllPatterns = 9,
    kPasteAllPatterns = 10,
    kClearAllPatterns = 11,
    kUndo = 12,
    kKeepUndoCopy = 13,
    kLoadPattern = 14,
    kSavePattern = 15,
    kDeleteSelectedFile = 16,
    kBrowserToRoot = 17,
};

constexpr const char* kProblemNotice = "Problem with Pattern File";
constexpr const char* kLastDeletedName = "zLastDeleted.zzz";

// Track values are kept by attribute, then step.
int trackValueIndex(int attribute, int step)
{
    return attribute * kStepCount + step;
}

int stepIndex(int attribute, std::int32_t pattern, std::int32_t track, int step)
{
    return stepAttributeIndex(static_cast<StepAttribute>(attribute), pattern, track, step);
}

// The pattern's steps in play, 1..16, from its "End" value.
int patternLength(float end)
{
    return static_cast<int>(end * 15.99f + 1.0f);
}

bool sameFolderCharacter(char a, char b)
{
    const auto folded = [](char c) { return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    return folded(a) == folded(b);
}

// The folder of a file below the pattern folder, relative to it ("" or ending in "\"). Windows
// compares paths without case; a folder outside the pattern folder has no relative part.
std::string folderBelow(const std::string& root, const std::string& folder)
{
    if (folder.size() <= root.size() || !std::equal(root.begin(), root.end(), folder.begin(), sameFolderCharacter))
        return {};
    return folder.substr(root.size());
}

} // namespace

void APlugin::handlePatternMenu(std::int32_t command, std::int32_t pattern, std::int32_t track)
{
    if (getPatternLockMode() == 1)
        return;
    if (command < kCopyTrack || command > kBrowserToRoot || pattern < 0 || pattern >= kravo::param::kPatternCount ||
        track < 0 || track >= kravo::param::kTrackCount)
        return;
    if (command != kUndo)
        keepPatternUndoCopy();

    const bool clipboardFull = patternClipboard.valid;
    switch (command) {
    case kCopyTrack:
    case kCopyPattern:
    case kCopyAllPatterns: copyPatterns(pattern, track); break;
    case kPasteTrack:
        if (clipboardFull)
            writeTrack(pattern, track, patternClipboard.track.data());
        break;
    case kClearTrack: clearTrack(pattern, track); break;
    case kRandomTrack: randomizeTrack(pattern, track); break;
    case kMoveTrackLeft: moveTrack(pattern, track, +1); break;
    case kMoveTrackRight: moveTrack(pattern, track, -1); break;
    case kPastePattern:
        if (clipboardFull)
            writePatternList(pattern, patternClipboard.pattern.data());
        break;
    case kClearPattern:
        for (const int index : kPatternList[static_cast<std::size_t>(pattern)])
            setParameter(index, defaultValues[index]);
        break;
    case kPasteAllPatterns:
        if (clipboardFull)
            for (int index = kFirstPatternParameter; index <= kLastPatternParameter; ++index)
                setParameter(index, patternClipboard.allPatterns[static_cast<std::size_t>(index - kFirstPatternParameter)]);
        break;
    case kClearAllPatterns:
        for (int index = kFirstPatternParameter; index <= kLastPatternParameter; ++index)
            setParameter(index, patternClearValues[index]);
        break;
    case kUndo: undoPatternCommand(); break;
    case kLoadPattern: loadPatternFromDialog(pattern); break;
    case kSavePattern: savePatternFromDialog(pattern); break;
    case kDeleteSelectedFile: deleteSelectedPatternFile(); break;
    case kBrowserToRoot: patternBrowserToRoot(); break;
    }
    requestEditorRefresh();
}

void APlugin::keepPatternUndoCopy()
{
    for (std::int32_t index = 0; index < kNumParams; ++index)
        patternUndoCopy[index] = getParameter(index);
    patternUndoValid = true;
    lastDeletedPatternPath.clear();
}

void APlugin::copyPatterns(std::int32_t pattern, std::int32_t track)
{
    std::copy(currentValues + kFirstPatternParameter, currentValues + kLastPatternParameter + 1,
              patternClipboard.allPatterns.begin());
    const auto& entries = kPatternList[static_cast<std::size_t>(pattern)];
    for (int k = 0; k < kPatternListLength; ++k)
        patternClipboard.pattern[static_cast<std::size_t>(k)] = getParameter(entries[static_cast<std::size_t>(k)]);
    for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
        for (int step = 0; step < kStepCount; ++step)
            patternClipboard.track[static_cast<std::size_t>(trackValueIndex(attribute, step))] =
                getParameter(stepIndex(attribute, pattern, track, step));
    patternClipboard.valid = true;
}

void APlugin::writeTrack(std::int32_t pattern, std::int32_t track, const float* values)
{
    for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
        for (int step = 0; step < kStepCount; ++step)
            setParameter(stepIndex(attribute, pattern, track, step), values[trackValueIndex(attribute, step)]);
}

void APlugin::clearTrack(std::int32_t pattern, std::int32_t track)
{
    for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
        for (int step = 0; step < kStepCount; ++step)
            setParameter(stepIndex(attribute, pattern, track, step),
                         kravo::param::kClearedStepValues[static_cast<std::size_t>(attribute)]);
}

void APlugin::randomizeTrack(std::int32_t pattern, std::int32_t track)
{
    for (int step = 0; step < kStepCount; ++step)
        setParameter(stepIndex(0, pattern, track, step), dsp::randomUnit() >= 0.5f ? 1.0f : 0.0f);
}

// Left (+1): step s takes old step (s + 1) mod L; right (-1): old step (s - 1) mod L. The steps past
// the length are rewritten too, repeating the first L.
void APlugin::moveTrack(std::int32_t pattern, std::int32_t track, std::int32_t direction)
{
    const int length = patternLength(getParameter(kravo::param::patternEndStep[static_cast<std::size_t>(pattern)]));
    if (length <= 1)
        return;
    float old[kravo::patterns::kTrackValues];
    for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
        for (int step = 0; step < kStepCount; ++step)
            old[trackValueIndex(attribute, step)] = getParameter(stepIndex(attribute, pattern, track, step));
    float moved[kravo::patterns::kTrackValues];
    for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
        for (int step = 0; step < kStepCount; ++step)
            moved[trackValueIndex(attribute, step)] = old[trackValueIndex(attribute, (length + direction + step) % length)];
    writeTrack(pattern, track, moved);
}

void APlugin::writePatternList(std::int32_t pattern, const float* values)
{
    const auto& entries = kPatternList[static_cast<std::size_t>(pattern)];
    for (int k = 0; k < kPatternListLength; ++k)
        setParameter(entries[static_cast<std::size_t>(k)], values[k]);
}

// Everything a command may have written comes back: the pattern block, every parameter of the
// pattern lists and the pattern names. The undo copy stays, so Undo again gives the same state. A deleted file comes back only once, and
// its keeping copy goes only when it did.
void APlugin::undoPatternCommand()
{
    if (!patternUndoValid)
        return;
    for (int index = kFirstPatternParameter; index <= kLastPatternParameter; ++index)
        setParameter(index, patternUndoCopy[index]);
    // The humanisation values lie outside that block, but loads, pastes and clears write them too.
    for (const auto& entries : kPatternList)
        for (const int index : entries)
            setParameter(index, patternUndoCopy[index]);
    const int firstName = kravo::param::patternNameIndex(0);
    const int lastName = kravo::param::patternNameIndex(kravo::param::kPatternCount) - 1;
    for (int index = firstName; index <= lastName; ++index)
        setParameter(index, patternUndoCopy[index]);

    if (lastDeletedPatternPath.size() > 1) {
        const std::string kept = folderSettings.patternFolder + std::string(kLastDeletedName);
        if (kravo::copyFileStream(kept.c_str(), lastDeletedPatternPath.c_str())) {
            platform::removeFile(kept.c_str());
            lastDeletedPatternPath.clear();
            scanPatternFolder();
        }
    }
}

void APlugin::loadPatternFromDialog(std::int32_t pattern)
{
    const std::string folder = folderSettings.patternFolder + patternBrowserFolder;
    char chosenFolder[kravo::kPathBufferSize] = {};
    char path[kravo::kPathBufferSize] = {};
    kravo::openFileDialog("Pattern Loader", folder.c_str(), "Pattern", "*.pat", "", chosenFolder, path);
    loadPatternFile(pattern, path);
}

void APlugin::savePatternFromDialog(std::int32_t pattern)
{
    const std::string folder = folderSettings.patternFolder + patternBrowserFolder;
    char title[kravo::kPathBufferSize] = {};
    const std::string stored = getParamText(kravo::param::patternNameIndex(pattern), kravo::param::kPatternNameLength, -1);
    kravo::fileTitleFromPath(stored.c_str(), title);
    const std::string suggested = (title[0] != 0 ? std::string(title) : std::string("Pattern")) + ".pat";
    char chosenFolder[kravo::kPathBufferSize] = {};
    char path[kravo::kPathBufferSize] = {};
    kravo::saveFileDialog("Pattern Save", folder.c_str(), "Pattern", suggested.c_str(), chosenFolder, path);
    if (path[0] == 0)
        return;
    kravo::patterns::PatternFileValues values{};
    const auto& entries = kPatternList[static_cast<std::size_t>(pattern)];
    for (int k = 0; k < kPatternListLength; ++k)
        values[static_cast<std::size_t>(k)] = getParameter(entries[static_cast<std::size_t>(k)]);
    if (!kravo::patterns::writePatternFile(path, values)) {
        kravo::askUser(kProblemNotice, 0);
        return;
    }
    rememberPatternFile(pattern, path);
    scanPatternFolder();
}

// The file is first kept in the pattern folder as "zLastDeleted.zzz", which Undo copies back.
void APlugin::deleteSelectedPatternFile()
{
    const std::string path = folderSettings.patternFolder + patternBrowserFolder + selectedPatternFile;
    const std::string kept = folderSettings.patternFolder + std::string(kLastDeletedName);
    const bool deleted = !selectedPatternFile.empty() && kravo::patterns::isPatternFileName(selectedPatternFile) &&
                         path.size() < kravo::kPathBufferSize && kravo::copyFileStream(path.c_str(), kept.c_str()) &&
                         platform::removeFile(path.c_str()) == 0;
    if (!deleted) {
        kravo::askUser(kProblemNotice, 0);
        return;
    }
    lastDeletedPatternPath = path;
    selectedPatternFile.clear();
    scanPatternFolder();
}

void APlugin::loadPatternFile(std::int32_t pattern, const std::string& path)
{
    if (path.empty() || pattern < 0 || pattern >= kravo::param::kPatternCount)
        return;
    const auto values = kravo::patterns::readPatternFile(path.c_str());
    if (!values)
        return;
    const auto& entries = kPatternList[static_cast<std::size_t>(pattern)];
    // Number 0 stands for no parameter.
    for (int k = 1; k < kPatternListLength; ++k)
        setParameter(entries[static_cast<std::size_t>(k)], (*values)[static_cast<std::size_t>(k)]);
    rememberPatternFile(pattern, path);
}

// The pattern is named by its folder below the pattern folder and its file name, and the browser
// moves to that folder.
void APlugin::rememberPatternFile(std::int32_t pattern, const std::string& path)
{
    char folder[kravo::kPathBufferSize] = {};
    char title[kravo::kPathBufferSize] = {};
    if (!kravo::dirFromPath(path.c_str(), folder) || !kravo::fileTitleFromPath(path.c_str(), title))
        return;
    patternBrowserFolder = folderBelow(folderSettings.patternFolder, folder);
    setParamText(kravo::param::patternNameIndex(pattern), patternBrowserFolder + title + ".pat",
                 kravo::param::kPatternNameLength, -1);
}

void APlugin::loadSelectedPatternFile(std::int32_t pattern)
{
    if (pattern < 0 || pattern >= kravo::param::kPatternCount)
        return;
    keepPatternUndoCopy();
    const std::string path = folderSettings.patternFolder + patternBrowserFolder + selectedPatternFile;
    if (!selectedPatternFile.empty() && path.size() < kravo::kPathBufferSize)
        loadPatternFile(pattern, path);
    requestEditorRefresh();
}

std::string APlugin::getPatternName(std::int32_t pattern) const
{
    if (pattern < 0 || pattern >= kravo::param::kPatternCount)
        return "None";
    const std::string stored = getParamText(kravo::param::patternNameIndex(pattern), kravo::param::kPatternNameLength, -1);
    char name[kravo::kPathBufferSize] = {};
    kravo::stripExtension(stored.c_str(), name);
    return std::string(name).size() < 2 ? std::string("None") : std::string(name);
}
