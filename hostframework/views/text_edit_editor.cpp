#include "hostframework/views/text_edit_editor.h"

#include "hostframework/host_error.h"
#include "hostframework/views/control_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"

#include <utility>

namespace {

constexpr std::int16_t kUpArrow = 0x1E;
constexpr std::int16_t kDownArrow = 0x1F;
constexpr std::int16_t kEditFont = 3;
constexpr std::int16_t kEditSize = 9;
constexpr std::int16_t kCopyMode = 2;

} // namespace

CTextEditEditor::~CTextEditEditor()
{
    DisposeRecord();
}

void CTextEditEditor::DisposeRecord()
{
    if (record == nullptr)
        return;
    HostExtDeactivateTextEdit(record);
    HostExtDisposeTextEdit(record);
    record = nullptr;
}

void CTextEditEditor::ReadDescription(SParseState& state)
{
    CCustomView::ReadDescription(state);
    const SValueCell* group = state.TakeGroup();
    const SValueCell* element = group->List();
    ThrowIfNull(element);
    for (; element != nullptr; element = element->next) {
        if (element->kind == kCodeKind) {
            SetControlID(element->Code());
        } else {
            ThrowIfFalse(element->kind == kConstantKind && element->value == kReverseConstant);
            reverse = true;
        }
    }
}

// Its children keep their own flags.
void CTextEditEditor::Deactivate()
{
    SetActiveFlag(false);
    if (record != nullptr)
        Draw(nullptr);
}

void CTextEditEditor::Activate()
{
    SetActiveFlag(true);
    if (record != nullptr)
        Draw(nullptr);
}

void CTextEditEditor::HandleKey(std::int16_t character, bool* handled)
{
    *handled = false;
    CControlView* view = GetControlView();
    if (record == nullptr || view == nullptr)
        return;
    bool valid = false;
    view->IsKeyValid(character, &valid);
    if (valid) {
        HostColor fore{};
        HostColor back{};
        HostExtGetForeColor(&fore);
        HostExtGetBackColor(&back);
        HostExtForeColor(kHostBlackConstant);
        HostExtBackColor(kHostWhiteConstant);
        HostExtTextEditKey(record, character);
        edited = true;
        const HostRect visible = GetVisibleRect();
        HostExtDrawTextEdit(record, &visible);
        HostExtRGBForeColor(&fore);
        HostExtRGBBackColor(&back);
        *handled = true;
        return;
    }
    std::int16_t up = kUpArrow;
    std::int16_t down = kDownArrow;
    if (reverse)
        std::swap(up, down);
    if (character != up && character != down)
        return;
    const std::int32_t step = GetStep();
    if (character == up && step < GetNumSteps() - 1)
        SetStep(step + 1);
    else if (character == down && step > 0)
        SetStep(step - 1);
    edited = false;
    *handled = true;
}

void CTextEditEditor::EndEdit(bool /*accept*/)
{
    DisposeRecord();
}

void CTextEditEditor::TrackMouse(const HostEventRecord* event, bool /*skip*/)
{
    HostTextSettings saved{};
    HostExtGetTextSettings(&saved);
    HostExtTextFont(kEditFont);
    HostExtTextSize(kEditSize);
    HostExtTextMode(kCopyMode);
    if (record == nullptr) {
        if (IsActive())
            BeginEdit();
    } else {
        HostExtTextEditClick(record, event->where, (event->modifiers & kHostShiftKeyModifier) != 0);
    }
    HostExtTextFont(saved.font);
    HostExtTextSize(saved.size);
    HostExtTextMode(saved.mode);
}

void CTextEditEditor::Idle(const HostEventRecord* event)
{
    const std::weak_ptr<void> alive = Life();
    CControlEditor::Idle(event);
    if (!alive.expired() && record != nullptr)
        HostExtTextEditIdle(record);
}
