#include "platform/message_box.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>

namespace {

struct MessageBoxScript {
    std::mutex mutex;
    std::deque<int> scripted;
    std::deque<int> fromEnvironment;
    bool environmentRead = false;
    std::vector<platform::MessageBoxCall> calls;
};

MessageBoxScript& script()
{
    static MessageBoxScript instance;
    return instance;
}

std::optional<int> answerNamed(std::string word)
{
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "ok")
        return IDOK;
    if (word == "cancel")
        return IDCANCEL;
    if (word == "yes")
        return IDYES;
    if (word == "no")
        return IDNO;
    return std::nullopt;
}

void queueAnswers(std::deque<int>& queue, const std::string& list)
{
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string word = list.substr(start, end - start);
        word.erase(0, word.find_first_not_of(" \t"));
        word.erase(word.find_last_not_of(" \t") + 1);
        if (const auto answer = answerNamed(word))
            queue.push_back(*answer);
        start = end + 1;
    }
}

std::vector<int> buttonsOf(UINT type)
{
    constexpr UINT kButtonMask = 0xF;
    switch (type & kButtonMask) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    default:
        return {IDOK};
    }
}

int defaultButton(const std::vector<int>& buttons, UINT type)
{
    const std::size_t index = (type & MB_DEFBUTTON2) != 0 ? 1 : 0;
    return buttons[std::min(index, buttons.size() - 1)];
}

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    MessageBoxScript& state = script();
    std::lock_guard lock(state.mutex);
    if (!state.environmentRead) {
        state.environmentRead = true;
        if (const char* answers = std::getenv("KRAVO_MESSAGEBOX_ANSWERS"))
            queueAnswers(state.fromEnvironment, answers);
    }
    const std::vector<int> buttons = buttonsOf(type);
    int answer = defaultButton(buttons, type);
    std::deque<int>& queue = state.scripted.empty() ? state.fromEnvironment : state.scripted;
    if (!queue.empty()) {
        const int given = queue.front();
        queue.pop_front();
        if (std::find(buttons.begin(), buttons.end(), given) != buttons.end())
            answer = given;
    } else {
        if (caption != nullptr && caption[0] != '\0')
            std::fprintf(stderr, "%s: %s\n", caption, text ? text : "");
        else
            std::fprintf(stderr, "%s\n", text ? text : "");
    }
    state.calls.push_back({text ? text : "", caption ? caption : "", type, answer});
    return answer;
}

namespace platform {

void scriptMessageBoxAnswers(const std::string& answers)
{
    MessageBoxScript& state = script();
    std::lock_guard lock(state.mutex);
    queueAnswers(state.scripted, answers);
}

std::vector<MessageBoxCall> recordedMessageBoxes()
{
    MessageBoxScript& state = script();
    std::lock_guard lock(state.mutex);
    return state.calls;
}

void resetMessageBoxes()
{
    MessageBoxScript& state = script();
    std::lock_guard lock(state.mutex);
    state.scripted.clear();
    state.fromEnvironment.clear();
    state.calls.clear();
    state.environmentRead = false;
}

} // namespace platform
