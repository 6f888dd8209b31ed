#include "toolkit/messages.h"

namespace Toolkit {

const char kMsgCheckIfViewContainer[] = "kMsgCheckIfViewContainer";

} // namespace Toolkit
