#include "hostframework/views/view_builder.h"

#include "hostframework/host_error.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/view_description.h"

#include <memory>

CCustomView* BuildViewFromRecord(const SViewRecord* record, bool* isDescription)
{
    ThrowIfNull(record);
    SParseState state(record);
    *isDescription = ParseDescription(state);
    if (!*isDescription)
        return nullptr;
    const ViewCreator creator = state.result->next->Creator();
    if (creator == nullptr)
        throw CHostError(kHostErrNullValue);
    std::unique_ptr<CCustomView> view(creator());
    ThrowIfNull(view.get());
    view->SetEnabled((record->type & kDisabledViewType) == 0);
    view->SetFrame(record->frame);
    view->ReadItemRecord(record);
    try {
        view->ReadDescription(state);
    } catch (...) {
        // A description the view cannot read describes no view.
        *isDescription = false;
        return nullptr;
    }
    return view.release();
}
