#include "platform/file_dialogs.h"

#include "platform/windows_paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>

namespace {

struct AnswerQueue {
    std::deque<std::string> scripted;
    std::deque<std::string> fromEnvironment;
    bool environmentRead = false;
};

struct DialogScript {
    std::mutex mutex;
    AnswerQueue open;
    AnswerQueue save;
    std::vector<platform::FileDialogCall> calls;
};

DialogScript& script()
{
    static DialogScript instance;
    return instance;
}

std::optional<std::string> nextAnswer(AnswerQueue& queue, const char* environmentVariable)
{
    if (!queue.environmentRead) {
        queue.environmentRead = true;
        if (const char* list = std::getenv(environmentVariable)) {
            const std::string answers(list);
            std::size_t start = 0;
            while (start <= answers.size()) {
                std::size_t end = answers.find('|', start);
                if (end == std::string::npos)
                    end = answers.size();
                queue.fromEnvironment.push_back(answers.substr(start, end - start));
                start = end + 1;
            }
        }
    }
    std::deque<std::string>& source = queue.scripted.empty() ? queue.fromEnvironment : queue.scripted;
    if (source.empty())
        return std::nullopt;
    std::string answer = source.front();
    source.pop_front();
    return answer;
}

std::vector<std::string> filterEntries(LPCSTR filter)
{
    std::vector<std::string> entries;
    for (const char* entry = filter; entry != nullptr && *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.emplace_back(entry);
    return entries;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isFullPath(const std::string& path)
{
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && isSeparator(path[0]));
}

std::string completedPath(std::string path, const platform::FileDialogCall& call)
{
    if (!isFullPath(path) && !call.initialFolder.empty()) {
        std::string folder = call.initialFolder;
        if (!isSeparator(folder.back()))
            folder += '\\';
        path = folder + path;
    }
    if (call.kind == platform::FileDialogKind::save && !call.defaultExtension.empty()) {
        const std::size_t nameStart = path.find_last_of("\\/");
        const std::string name = path.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
        if (name.find('.') == std::string::npos)
            path += "." + call.defaultExtension;
    }
    return path;
}

// The checks a real dialog makes before it lets the user confirm a name.
bool acceptable(const std::string& path, DWORD flags)
{
    const std::filesystem::path native = platform::nativePath(path.c_str());
    std::error_code error;
    if ((flags & OFN_FILEMUSTEXIST) != 0 && !std::filesystem::is_regular_file(native, error)) {
        std::fprintf(stderr, "file dialog: \"%s\" does not exist; cancelled\n", path.c_str());
        return false;
    }
    const std::filesystem::path folder = native.parent_path();
    if ((flags & OFN_PATHMUSTEXIST) != 0 && !folder.empty() && !std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "file dialog: the folder of \"%s\" does not exist; cancelled\n", path.c_str());
        return false;
    }
    return true;
}

BOOL runDialog(platform::FileDialogKind kind, OPENFILENAMEA* dialog)
{
    if (dialog == nullptr)
        return FALSE;
    platform::FileDialogCall call;
    call.kind = kind;
    call.title = dialog->lpstrTitle ? dialog->lpstrTitle : "";
    call.initialFolder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : "";
    if (dialog->lpstrFile != nullptr)
        call.initialFile.assign(dialog->lpstrFile, strnlen(dialog->lpstrFile, dialog->nMaxFile));
    call.filter = filterEntries(dialog->lpstrFilter);
    call.defaultExtension = dialog->lpstrDefExt ? dialog->lpstrDefExt : "";
    call.flags = dialog->Flags;

    DialogScript& state = script();
    std::lock_guard lock(state.mutex);
    const bool isOpen = kind == platform::FileDialogKind::open;
    const auto answer = nextAnswer(isOpen ? state.open : state.save, isOpen ? "KRAVO_OPEN_FILE" : "KRAVO_SAVE_FILE");
    if (answer && !answer->empty()) {
        const std::string path = completedPath(*answer, call);
        if (dialog->lpstrFile != nullptr && path.size() < dialog->nMaxFile && acceptable(path, dialog->Flags)) {
            std::memcpy(dialog->lpstrFile, path.c_str(), path.size() + 1);
            call.result = path;
        }
    }
    const BOOL chosen = call.result.empty() ? FALSE : TRUE;
    state.calls.push_back(std::move(call));
    return chosen;
}

} // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* dialog)
{
    return runDialog(platform::FileDialogKind::open, dialog);
}

BOOL GetSaveFileNameA(OPENFILENAMEA* dialog)
{
    return runDialog(platform::FileDialogKind::save, dialog);
}

namespace platform {

void scriptOpenFileAnswer(const std::string& path)
{
    std::lock_guard lock(script().mutex);
    script().open.scripted.push_back(path);
}

void scriptSaveFileAnswer(const std::string& path)
{
    std::lock_guard lock(script().mutex);
    script().save.scripted.push_back(path);
}

std::vector<FileDialogCall> recordedFileDialogs()
{
    std::lock_guard lock(script().mutex);
    return script().calls;
}

void resetFileDialogs()
{
    DialogScript& state = script();
    std::lock_guard lock(state.mutex);
    state.open = AnswerQueue{};
    state.save = AnswerQueue{};
    state.calls.clear();
}

} // namespace platform
