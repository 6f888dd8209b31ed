#include "toolkit/messages.h"

namespace Toolkit {

const char kMsgCheckIfViewContainer[] = "kMsgCheckIfViewContainer";
const char kMsgLooseFocus[] = "LooseFocus";

} // namespace Toolkit
