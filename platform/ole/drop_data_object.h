#pragma once

// The data of a simulated drag: a list of files (CF_HDROP) or a text (CF_TEXT), in global memory.
// Every GetData gives out a fresh copy whose release object frees it; the object counts the media
// given out and not yet released, so that a test can see a reader that forgets ReleaseStgMedium.

#include "platform/ole/data_object.h"

#include <string>
#include <vector>

namespace platform {

class DropDataObject final : public IDataObject {
public:
    // Each starts with one reference, the caller's.
    static DropDataObject* forFiles(std::vector<std::string> files);
    static DropDataObject* forText(std::string text);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT QueryGetData(FORMATETC* format) override;

    int outstandingMedia() const { return outstandingMedia_; }
    ULONG references() const { return references_; }

private:
    class MediumRelease;

    DropDataObject(CLIPFORMAT format, std::vector<std::string> files, std::string text);
    ~DropDataObject() = default;
    HGLOBAL newContent() const;

    ULONG references_ = 1;
    int outstandingMedia_ = 0;
    const CLIPFORMAT format_;
    const std::vector<std::string> files_;
    const std::string text_;
};

} // namespace platform
