#include "hostframework/views/no_resource_view.h"

#include "hostframework/host_error.h"
#include "hostframework/plugin_control.h"
#include "hostframework/process.h"

#include <memory>
#include <new>
#include <string>

namespace {

constexpr std::int16_t kLayoutWidth = 400;
constexpr std::int16_t kRowHeight = 20;
constexpr std::int16_t kFirstRow = 10;
constexpr std::int32_t kLongestName = 17;

std::string codeText(std::uint32_t code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>(code >> shift & 0xFF);
    return text;
}

std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (const std::string_view piece : pieces)
        text += piece;
    return text;
}

} // namespace

CCustomView* NewNoResourceView()
{
    return new (std::nothrow) CNoResourceView;
}

CNoResourceView* BuildGenericLayout(CProcess& process, const std::uint32_t* meterIDs, const std::uint32_t* clipIDs)
{
    std::int16_t controls = 0;
    std::int32_t meters = 0;
    std::int32_t bypass = 0;
    ThrowIfError(static_cast<std::int16_t>(process.GetNumControls(&controls)));
    ThrowIfError(static_cast<std::int16_t>(process.GetMeterCount(&meters)));
    ThrowIfError(static_cast<std::int16_t>(process.GetBypassControlIndex(&bypass)));
    if (meters > 0) {
        ThrowIfNull(meterIDs);
        ThrowIfNull(clipIDs);
    }
    std::unique_ptr<CNoResourceView> root(static_cast<CNoResourceView*>(NewNoResourceView()));
    ThrowIfNull(root.get());
    const int rows = controls - (bypass != 0 ? 1 : 0) + meters;
    root->SetSize(kLayoutWidth, static_cast<std::int16_t>(rows * kRowHeight + 15));
    std::int16_t v = kFirstRow;
    for (std::int32_t meter = 0; meter < meters; ++meter, v = static_cast<std::int16_t>(v + kRowHeight)) {
        root->AddSubViewFromTextInset(joined({"!GainMeterView[('", codeText(meterIDs[meter]), "') (labels)]"}), 10, v,
                                      355, 15, true);
        root->AddSubViewFromTextInset(joined({"!ClippingView[('", codeText(clipIDs[meter]), "')()]"}), 375, v, 15, 15,
                                      true);
    }
    for (std::int32_t position = 1; position <= controls; ++position) {
        if (position == bypass)
            continue;
        CPluginControl* control = process.GetControl(position);
        char name[kLongestName + 1] = {};
        control->GetName(name, kLongestName);
        const std::string id = codeText(control->GetID());
        root->AddSubViewFromTextInset(
            joined({"!StaticCustomText[('NoID')(center \"", name,
                    "\")(\"FontType\" 21 \"FontSize\" 12 \"FontFace\" 1 kEngraved \"FontColor\" 0 0 0 )]"}),
            10, v, 100, 15, false);
        if (control->GetAttributeC() == 0)
            root->AddSubViewFromTextInset(joined({"!TextCustomPopupEditor[('NoID') ('", id,
                                                  "') (\"FontType\" 3 \"FontSize\" 9 \"FontFace\" 0 \"Shadow\" 0)]"}),
                                          120, v, 200, 18, true);
        else
            root->AddSubViewFromTextInset(joined({"!Slider[('NoID') ('", id, "') ()]"}), 120, v, 200, 15, true);
        root->AddSubViewFromTextInset(
            joined({"!PictBackgroundTextEditor[('NoID')('", id,
                    "') (\"TextColor\" 0 0 0 \"TextSize\" 11 \"TextFont\" \"Helvetica\" \"TextFace\" \"bold\")]"}),
            330, v, 60, 18, true);
        v = static_cast<std::int16_t>(v + kRowHeight);
    }
    return root.release();
}
