#pragma once

// The names view descriptions are read with: each stands for a view creator, a constant or a built-in
// function. The constants and functions are there from the start; each view class registers its
// creator, and groups register their own view types at start-up. Names are case-sensitive.

#include "hostframework/views/value_cell.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

struct SKeyword {
    std::int16_t kind;
    std::intptr_t value;
};

// The numbers of the built-in functions.
enum BuiltInFunction : std::int32_t {
    kGetListFunction = 0,
    kGetStringFunction = 1,
    kShortVersionFunction = 2,
    kLongVersionFunction = 3,
};

// The constants a description's argument groups use, each the value of its keyword.
enum KeywordConstant : std::int32_t {
    kLeftConstant = 0,
    kRightConstant = 1,
    kTopConstant = 2,
    kBottomConstant = 3,
    kCenterConstant = 4,
    kDefaultConstant = 5,
    kReverseConstant = 6,
    kCyclicalConstant = 7,
    kPlateConstant = 8,
    kNormalConstant = 9,
    kClickedConstant = 10,
    kDisabledConstant = 11,
    kInversePlateConstant = 12,
    kEditableConstant = 13,
    kHorizontalConstant = 14,
    kVerticalConstant = 15,
    kRoundConstant = 16,
    kSquareConstant = 17,
    kFrameConstant = 18,
    kGreenConstant = 19,
    kDarkGreenConstant = 20,
    kRedConstant = 21,
    kDarkRedConstant = 22,
    kBlueConstant = 23,
    kDarkBlueConstant = 24,
    kAmberConstant = 25,
    kDarkAmberConstant = 26,
    kASCIIConstant = 27,
};

// Registering a name again replaces its entry. Names come as C strings or length-prefixed.
void registerKeyword(std::string_view name, std::int16_t kind, std::intptr_t value);
void registerKeyword(const std::uint8_t* name, std::int16_t kind, std::intptr_t value);
void registerViewCreator(std::string_view name, ViewCreator creator);
void registerViewCreator(const std::uint8_t* name, ViewCreator creator);
// True with the entry when the name is known.
bool lookupKeyword(std::string_view name, SKeyword* keyword);
bool lookupKeyword(const std::uint8_t* name, SKeyword* keyword);
// How many names of the kind are known now.
std::size_t countKeywords(std::int16_t kind);
