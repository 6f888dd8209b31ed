#include "plugin/settings/user_dialogs.h"

#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "plugin/settings/path_text.h"

#include <cstring>
#include <string>

namespace kravo {

namespace {

constexpr int kAnsweredYes = 1;
constexpr int kAnsweredOther = 2;

// The dialogs' path buffer, in characters.
constexpr DWORD kDialogPathCapacity = 255;

// One filter entry whose description and pattern are both the pattern, as the dialog's list wants them:
// zero-separated and ended by an empty string.
std::string filterOf(const std::string& pattern)
{
    std::string filter = pattern;
    filter += '\0';
    filter += pattern;
    filter += '\0';
    filter += '\0';
    return filter;
}

// The extension of a name, without its dot; "" when it has none.
std::string extensionOf(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    return dot == nullptr ? std::string() : std::string(dot + 1);
}

void runDialog(bool save, OPENFILENAMEA& dialog, std::span<char> outFolder, std::span<char> outPath)
{
    char chosen[kDialogPathCapacity + 1] = {};
    std::strncpy(chosen, dialog.lpstrFile, kDialogPathCapacity);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = nullptr;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = kDialogPathCapacity;
    const BOOL answered = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);

    char folder[kPathBufferSize] = {};
    if (answered == FALSE || chosen[0] == 0 || !dirFromPath(chosen, folder) ||
        std::strlen(folder) >= outFolder.size() || std::strlen(chosen) >= outPath.size()) {
        if (!outPath.empty())
            outPath[0] = 0;
        return;
    }
    std::strcpy(outPath.data(), chosen);
    std::strcpy(outFolder.data(), folder);
}

} // namespace

int askUser(const char* text, std::uint32_t style)
{
    return MessageBoxA(nullptr, text, "", style | MB_DEFBUTTON2) == IDYES ? kAnsweredYes : kAnsweredOther;
}

void openFileDialog(const char* title, const char* initialFolder, const char* /*label*/, const char* pattern,
                    const char* initialFile, std::span<char> outFolder, std::span<char> outPath)
{
    const std::string filter = filterOf(pattern);
    // "*.ecs" -> "ecs"
    const std::string defaultExtension = std::strlen(pattern) > 2 ? std::string(pattern + 2) : std::string();
    char initialName[kDialogPathCapacity + 1] = {};
    if (std::strcmp(initialFile, "!") != 0)
        std::strncpy(initialName, initialFile, kDialogPathCapacity);

    OPENFILENAMEA dialog;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = initialName;
    dialog.lpstrInitialDir = initialFolder;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
    dialog.lpstrDefExt = defaultExtension.c_str();
    runDialog(false, dialog, outFolder, outPath);
}

void saveFileDialog(const char* title, const char* initialFolder, const char* /*label*/, const char* suggestedName,
                    std::span<char> outFolder, std::span<char> outPath)
{
    const std::string extension = extensionOf(suggestedName);
    const std::string filter = filterOf("*." + extension);
    char initialName[kDialogPathCapacity + 1] = {};
    if (suggestedName[0] != '*')
        std::strncpy(initialName, suggestedName, kDialogPathCapacity);

    OPENFILENAMEA dialog;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = initialName;
    dialog.lpstrInitialDir = initialFolder;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    dialog.lpstrDefExt = extension.c_str();
    runDialog(true, dialog, outFolder, outPath);
}

} // namespace kravo
