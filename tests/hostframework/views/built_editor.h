#pragma once

// Control editors of the view tests built from a description alone, outside any tree.

#include "hostframework/host_error.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_description.h"
#include "tests/hostframework/support/host_error_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace kravo::test {

// The record of a description view with the text and the frame.
inline SViewRecord editorRecord(const std::string& text, HostRect frame = {0, 0, 0, 0})
{
    SViewRecord record{};
    record.type = 8;
    record.frame = frame;
    record.length = static_cast<std::uint8_t>(text.size());
    std::memcpy(record.text, text.data(), text.size());
    return record;
}

// The view of the description with the frame, made whole as a tree does; null when the description does
// not read or is of another class.
template <class View>
std::unique_ptr<View> builtEditor(const std::string& text, HostRect frame)
{
    const SViewRecord record = editorRecord(text, frame);
    bool isDescription = false;
    std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
    std::unique_ptr<View> built(dynamic_cast<View*>(view.get()));
    if (built) {
        view.release();
        built->Initialize();
    }
    return built;
}

// The code a view of the class fails with when it reads the description with the frame; 0 when it reads.
template <class View>
std::int32_t readingError(const std::string& text, HostRect frame = {0, 0, 0, 0})
{
    const SViewRecord record = editorRecord(text, frame);
    SParseState state(&record);
    EXPECT_TRUE(ParseDescription(state)) << text;
    View view;
    return hostErrorCode([&] { view.ReadDescription(state); });
}

} // namespace kravo::test
