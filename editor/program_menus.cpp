// The program menu: the plug-in's 32 programs by number and name, chosen by the text of their entry;
// and the kit-name menu beside it.

#include "editor/ueditor.h"

#include "editor/controls/my_option_menu.h"
#include "editor/image_places.h"
#include "editor/menu_styles.h"
#include "plugin/aplugin.h"
#include "plugin/programs/factory_bank.h"

#include <cstdio>
#include <string>

namespace {

constexpr std::int32_t kProgramMenuImage = 10058;
using editor::kMenuOverControl;
using editor::kSubMenuStyle;
constexpr std::int32_t kProgramCount = 32;

} // namespace

std::string uEditor::numberedName(std::int32_t program)
{
    char name[kravo::kProgramNameSize] = {};
    plugin()->getProgramNameIndexed(-1, program, name);
    char text[Toolkit::COptionMenu::kEntrySize];
    std::snprintf(text, sizeof text, "%02d %s", program + 1, name);
    return text;
}

void uEditor::buildProgramMenus()
{
    Toolkit::CBitmap* background = image(kProgramMenuImage);
    auto* menu = new myOptionMenu(editor::placedFrom(background, 102, 42), this, kCommandTag, background, nullptr,
                                  kMenuOverControl, false);
    menu->setShadowStyle();
    auto* list = new myOptionMenu(editor::placedFrom(background, 102, 42), this, kCommandTag, nullptr, nullptr,
                                  kSubMenuStyle, true);
    for (std::int32_t program = 0; program < kProgramCount; ++program)
        list->addEntry(numberedName(program).c_str());
    menu->addEntry(list, "Presets");
    list->forget();
    menu->setDisplayText(numberedName(0).c_str());
    mainPage.programMenu = mainPage.keep(menu);
    mainPage.programList = list;

    auto* kitName = new myOptionMenu(editor::placedFrom(background, 127, 63), this, kCommandTag, background, nullptr,
                                     kMenuOverControl, false);
    kitName->setShadowStyle();
    kitName->addEntry("00 Introduction");
    mainPage.kitNameMenu = mainPage.keep(kitName);
}

void uEditor::fillProgramMenu()
{
    if (mainPage.programMenu == nullptr)
        return;
    for (std::int32_t program = 0; program < kProgramCount; ++program)
        mainPage.programList->setEntry(program, numberedName(program).c_str());
    mainPage.programMenu->setDisplayText(numberedName(plugin()->getProgram()).c_str());
}

void uEditor::chooseProgramFromMenu(Toolkit::CControl* control)
{
    if (mainPage.programList == nullptr || control != mainPage.programList)
        return;
    char chosen[Toolkit::COptionMenu::kEntrySize] = {};
    if (!mainPage.programList->getEntry(mainPage.programList->getCurrent(), chosen))
        return;
    for (std::int32_t program = 0; program < kProgramCount; ++program)
        if (numberedName(program) == chosen) {
            selectProgram(program);
            mainPage.programMenu->setDisplayText(chosen);
            return;
        }
}
