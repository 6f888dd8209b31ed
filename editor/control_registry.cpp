// The controls that show a parameter, kept in the order they were made and by tag.

#include "editor/ueditor.h"

#include "plugin/aplugin.h"
#include "toolkit/control.h"

#include <cmath>

void uEditor::clearRegistry()
{
    registryCount = 0;
    firstWithTag.fill(-1);
    lastWithTag.fill(-1);
}

// A full registry takes no more controls: such a control keeps default value 0 and is never
// refreshed by tag, while those already there keep working.
void uEditor::appendToRegistry(Toolkit::CControl* control, std::uint8_t menuFlag)
{
    if (!isBuilt() || control == nullptr || registryCount >= kRegistrySize)
        return;
    const std::int32_t entry = registryCount++;
    controlRegistry[static_cast<std::size_t>(entry)] = control;
    registryFlags[static_cast<std::size_t>(entry)] = menuFlag;
    nextWithTag[static_cast<std::size_t>(entry)] = -1;
    const std::int32_t tag = control->getTag();
    const bool isParameter = tag >= 0 && tag < kParameterCount;
    if (isParameter) {
        const auto t = static_cast<std::size_t>(tag);
        if (lastWithTag[t] < 0)
            firstWithTag[t] = entry;
        else
            nextWithTag[static_cast<std::size_t>(lastWithTag[t])] = entry;
        lastWithTag[t] = entry;
    }
    control->setDefaultValue(isParameter ? plugin()->getDefaultValues()[tag] : 0.0f);
}

void uEditor::registerControl(Toolkit::CControl* control)
{
    appendToRegistry(control, 0);
}

void uEditor::registerMenuControl(Toolkit::CControl* control)
{
    appendToRegistry(control, 1);
}

void uEditor::controlFromParameter(Toolkit::CControl*& control, std::int32_t tag, float scale)
{
    if (control == nullptr)
        return;
    control->setValue(plugin()->getParameter(tag) * scale);
    setParameter(tag, plugin()->getParameter(tag));
}

void uEditor::menuFromParameter(Toolkit::CControl*& control)
{
    if (control == nullptr)
        return;
    const std::int32_t tag = control->getTag();
    const float divisor = tag >= 0 && tag < kParameterCount ? menuDivisor[static_cast<std::size_t>(tag)] : -1.0f;
    controlFromParameter(control, tag, divisor);
}

void uEditor::controlToParameter(std::int32_t tag, std::int32_t item, float divisor)
{
    const double value = (static_cast<double>(item) + 0.5) / static_cast<double>(divisor);
    plugin()->setParameterAutomated(tag, static_cast<float>(value));
}

void uEditor::trackEditedControl(std::int32_t tag)
{
    if (tag < 0 || tag == 9999) {
        editedControl = nullptr;
        return;
    }
    if (tag < kParameterCount && firstWithTag[static_cast<std::size_t>(tag)] >= 0)
        editedControl = controlRegistry[static_cast<std::size_t>(firstWithTag[static_cast<std::size_t>(tag)])];
}
