#include "tests/tools/description_problem.h"

#include "hostframework/host_error.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/description_functions.h"
#include "hostframework/views/description_reader.h"
#include "hostframework/views/view_description.h"
#include "hostframework/views/view_record.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

constexpr std::uint8_t kTextItemType = 8;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',';
}

std::string characterAt(std::ptrdiff_t offset)
{
    std::string text = "character ";
    text += std::to_string(offset + 1);
    text += " of the description";
    return text;
}

// The words with the name in double quotes between them.
std::string quoted(const char* before, const std::string& name, const char* after)
{
    std::string text = before;
    text += '"';
    text += name;
    text += '"';
    text += after;
    return text;
}

std::string withCode(std::string problem, const CHostError& error)
{
    problem += " (";
    problem += std::to_string(error.GetCode());
    problem += ')';
    return problem;
}

// The letters and digits from `from` on: the name a reader sees there.
std::string nameFrom(const char* from, const char* end)
{
    const char* past = std::find_if(from, end, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; });
    return std::string(from, past);
}

// The name after the "!" of a text that is meant as a description.
std::string className(const SViewRecord& record)
{
    const char* end = record.text + record.length;
    const char* mark = std::find(record.text, end, '!');
    return nameFrom(std::find_if_not(mark + 1, end, isBlank), end);
}

// Why the reader stopped where it did. `cells` are the items read before: only the "!" when the
// name that stopped it stands where the view class goes.
std::string stopProblem(const SValueCell* cells, const SViewRecord& record, const char* stop)
{
    const char* end = record.text + record.length;
    const std::ptrdiff_t offset = stop - record.text;
    if (stop >= end || *stop == '\0') {
        std::string problem = "a list is still open when the text ends (after ";
        problem += characterAt(offset - 1);
        problem += ')';
        return problem;
    }
    if (std::isalpha(static_cast<unsigned char>(*stop)) != 0) {
        const std::string name = nameFrom(stop, end);
        std::string problem = cells != nullptr && cells->kind == kViewMarkerKind && cells->next == nullptr
                                  ? quoted("no view class is named ", name, " (")
                                  : quoted("", name, " is no name a description knows (");
        problem += characterAt(offset);
        problem += ')';
        return problem;
    }
    std::string problem = "unexpected '";
    problem += *stop;
    problem += "' at ";
    problem += characterAt(offset);
    return problem;
}

// The reading, the built-in functions and the shape, each as ParseDescription takes them, stopping at
// the first that fails.
std::optional<std::string> parseProblem(const SViewRecord& record)
{
    CCellArena arena;
    CDescriptionReader reader(arena, record.text, record.length);
    SValueCell* cells = nullptr;
    try {
        if (!reader.ReadSequence('\0', &cells))
            return stopProblem(cells, record, reader.Cursor());
    } catch (const CHostError& error) {
        std::string problem = "a malformed number, code, string or escape: reading stops after ";
        problem += characterAt(reader.Cursor() - record.text - 1);
        return withCode(problem, error);
    }
    try {
        ReplaceFunctions(arena, &cells);
    } catch (const CHostError& error) {
        return withCode("a built-in function it calls cannot be worked out", error);
    }
    SParseState state(&record);
    if (ParseDescription(state))
        return std::nullopt;
    if (cells == nullptr || cells->next == nullptr || cells->next->kind != kCreatorKind)
        return quoted("", className(record), " after the \"!\" is no view class");
    return "the view class is not followed by one list of argument groups, as in !Background[('id' plate)]";
}

} // namespace

bool isMeantAsDescription(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    return first != text.end() && *first == '!';
}

std::optional<std::string> descriptionProblem(const std::string& text, const HostRect& frame)
{
    auto record = std::make_unique<SViewRecord>();
    record->frame = frame;
    record->type = kTextItemType;
    record->length = static_cast<std::uint8_t>(text.size());
    std::replace_copy(text.begin(), text.end(), record->text, '`', '"');
    if (std::optional<std::string> problem = parseProblem(*record))
        return problem;
    // A view class that cannot read its groups describes no view; only building one tells why.
    auto state = std::make_unique<SParseState>(record.get());
    ParseDescription(*state);
    // A class without a creator, or one that makes nothing, fails the build itself, which says so.
    const ViewCreator creator = state->result->next->Creator();
    std::unique_ptr<CCustomView> view(creator != nullptr ? creator() : nullptr);
    if (view == nullptr)
        return std::nullopt;
    view->SetFrame(record->frame);
    view->ReadItemRecord(record.get());
    const std::string cannotRead = quoted("the view class ", className(*record), " cannot read its argument groups");
    try {
        view->ReadDescription(*state);
    } catch (const CHostError& error) {
        return withCode(cannotRead, error);
    } catch (...) {
        return cannotRead;
    }
    return std::nullopt;
}
