#include "hostframework/views/keyword_map.h"

#include "hostframework/views/custom_view.h"
#include "hostframework/views/dial_control_editor.h"
#include "hostframework/views/item_list_view.h"
#include "hostframework/views/mac_control_view.h"
#include "hostframework/views/picture_view.h"
#include "hostframework/views/process_control_view.h"
#include "hostframework/views/radio_group_control_editor.h"
#include "hostframework/views/scroll_control_view.h"
#include "hostframework/views/slider_control_editor.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/text_control_editor.h"
#include "hostframework/views/text_popup_control_editor.h"
#include "hostframework/views/view_popup_control_editor.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace {

struct SInitialKeyword {
    const char* name;
    std::int16_t kind;
    std::int32_t value;
};

constexpr SInitialKeyword kInitialKeywords[] = {
    {"left", kConstantKind, kLeftConstant},
    {"right", kConstantKind, kRightConstant},
    {"top", kConstantKind, kTopConstant},
    {"bottom", kConstantKind, kBottomConstant},
    {"center", kConstantKind, kCenterConstant},
    {"default", kConstantKind, kDefaultConstant},
    {"reverse", kConstantKind, kReverseConstant},
    {"cyclical", kConstantKind, kCyclicalConstant},
    {"plate", kConstantKind, kPlateConstant},
    {"normal", kConstantKind, kNormalConstant},
    {"clicked", kConstantKind, kClickedConstant},
    {"disabled", kConstantKind, kDisabledConstant},
    {"inversePlate", kConstantKind, kInversePlateConstant},
    {"editable", kConstantKind, kEditableConstant},
    {"horizontal", kConstantKind, kHorizontalConstant},
    {"vertical", kConstantKind, kVerticalConstant},
    {"round", kConstantKind, kRoundConstant},
    {"square", kConstantKind, kSquareConstant},
    {"frame", kConstantKind, kFrameConstant},
    {"green", kConstantKind, kGreenConstant},
    {"darkGreen", kConstantKind, kDarkGreenConstant},
    {"red", kConstantKind, kRedConstant},
    {"darkRed", kConstantKind, kDarkRedConstant},
    {"blue", kConstantKind, kBlueConstant},
    {"darkBlue", kConstantKind, kDarkBlueConstant},
    {"amber", kConstantKind, kAmberConstant},
    {"darkAmber", kConstantKind, kDarkAmberConstant},
    {"ASCII", kConstantKind, kASCIIConstant},
    {"getList", kFunctionKind, kGetListFunction},
    {"getString", kFunctionKind, kGetStringFunction},
    {"shortVersion", kFunctionKind, kShortVersionFunction},
    {"longVersion", kFunctionKind, kLongVersionFunction},
};

struct SInitialCreator {
    const char* name;
    ViewCreator creator;
};

const SInitialCreator kInitialCreators[] = {
    {"Background", &NewCustomView},
    {"ProcessControl", &NewProcessControlView},
    {"ScrollControl", &NewScrollControlView},
    {"Slider", &NewSliderControlEditor},
    {"Dial", &NewDialControlEditor},
    {"RadioGroup", &NewRadioGroupControlEditor},
    {"TextEditor", &NewTextControlEditor},
    {"TextPopup", &NewTextPopupControlEditor},
    {"ViewPopup", &NewViewPopupControlEditor},
    {"ItemList", &NewItemListView},
    {"Button", &NewButtonView},
    {"CheckBox", &NewCheckBoxView},
    {"RadioButton", &NewRadioButtonView},
    {"StaticText", &NewStaticTextView},
    {"Picture", &NewPictureView},
};

using KeywordMap = std::map<std::string, SKeyword, std::less<>>;

KeywordMap& keywords()
{
    static KeywordMap map = [] {
        KeywordMap initial;
        for (const SInitialKeyword& keyword : kInitialKeywords)
            initial.emplace(keyword.name, SKeyword{keyword.kind, keyword.value});
        for (const SInitialCreator& creator : kInitialCreators)
            initial.emplace(creator.name, SKeyword{kCreatorKind, reinterpret_cast<std::intptr_t>(creator.creator)});
        return initial;
    }();
    return map;
}

std::string_view nameOf(const std::uint8_t* lengthPrefixed)
{
    return {reinterpret_cast<const char*>(lengthPrefixed + 1), lengthPrefixed[0]};
}

} // namespace

void registerKeyword(std::string_view name, std::int16_t kind, std::intptr_t value)
{
    keywords().insert_or_assign(std::string(name), SKeyword{kind, value});
}

void registerKeyword(const std::uint8_t* name, std::int16_t kind, std::intptr_t value)
{
    registerKeyword(nameOf(name), kind, value);
}

void registerViewCreator(std::string_view name, ViewCreator creator)
{
    registerKeyword(name, kCreatorKind, reinterpret_cast<std::intptr_t>(creator));
}

void registerViewCreator(const std::uint8_t* name, ViewCreator creator)
{
    registerViewCreator(nameOf(name), creator);
}

bool lookupKeyword(std::string_view name, SKeyword* keyword)
{
    const auto found = keywords().find(name);
    if (found == keywords().end())
        return false;
    if (keyword != nullptr)
        *keyword = found->second;
    return true;
}

bool lookupKeyword(const std::uint8_t* name, SKeyword* keyword)
{
    return lookupKeyword(nameOf(name), keyword);
}

std::size_t countKeywords(std::int16_t kind)
{
    return static_cast<std::size_t>(std::count_if(keywords().begin(), keywords().end(),
                                                  [kind](const auto& entry) { return entry.second.kind == kind; }));
}
