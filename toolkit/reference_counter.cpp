#include "toolkit/reference_counter.h"

namespace Toolkit {

void CReferenceCounter::forget()
{
    if (--referenceCount_ == 0)
        delete this;
}

void CReferenceCounter::remember()
{
    ++referenceCount_;
}

} // namespace Toolkit
