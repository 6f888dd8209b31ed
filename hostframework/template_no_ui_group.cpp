#include "hostframework/template_no_ui_group.h"

#include "hostframework/adaptor/template_no_ui_process_native.h"
#include "hostframework/adaptor/template_no_ui_view.h"
#include "hostframework/effect_type_native.h"
#include "hostframework/views/keyword_map.h"
#include "platform/four_char_code.h"

#include <new>

namespace {

constexpr std::uint32_t kManufacturerID = FourCharCode("Vexo");
constexpr std::int32_t kPlugInNumber = 1;
constexpr std::int32_t kCapability = 14;
constexpr std::int32_t kTypeValue = 2048;
constexpr std::int32_t kCardAttribute = 6;
constexpr std::int32_t kFeature = 8;
constexpr std::int32_t kStereo = 1;

} // namespace

CTemplateNoUIGroup::CTemplateNoUIGroup()
{
    SetManufacturer("Vexo\nVexo\n", kManufacturerID);
    SetPlugInNames("Kravo\nKrvo\nKrv\nKr", kPlugInNumber);
    AddCapability(kCapability);
}

// The view type that stands for the editor window.
std::int32_t CTemplateNoUIGroup::Initialize()
{
    CDSPProcessGroup::Initialize();
    registerViewCreator("NoUIView", &NewTemplateNoUIView);
    return 0;
}

void CTemplateNoUIGroup::CreateProcessTypes()
{
    auto* type = new CEffectTypeNative(kTypeID, kPlugInID, kTypeValue);
    type->SetNameList("Kravo\nKravo");
    type->SetDefaultCardAttribute(kCardAttribute);
    type->AddFeature(kFeature);
    type->SetStemFormats(kStereo, kStereo, 0);
    type->SetProcessFactory(&MakeTemplateNoUIProcessNative);
    AddEffectType(type);
}

CProcessGroupInterface* CreateTemplateNoUIGroup()
{
    return new (std::nothrow) CTemplateNoUIGroup();
}
