#include "platform/ole/drop_data_object.h"

#include "platform/global_memory.h"
#include "platform/shell/drop_files.h"

#include <cstring>

namespace platform {

// Frees one medium's memory when the reader releases it; it holds the data object meanwhile.
class DropDataObject::MediumRelease final : public IUnknown {
public:
    MediumRelease(DropDataObject& owner, HGLOBAL memory) : owner_(owner), memory_(memory)
    {
        owner_.AddRef();
        ++owner_.outstandingMedia_;
    }

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = iid == IID_IUnknown ? this : nullptr;
        if (*object == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    ULONG AddRef() override { return ++references_; }

    ULONG Release() override
    {
        if (--references_ > 0)
            return references_;
        GlobalFree(memory_);
        --owner_.outstandingMedia_;
        owner_.Release();
        delete this;
        return 0;
    }

private:
    ~MediumRelease() = default;

    ULONG references_ = 1;
    DropDataObject& owner_;
    const HGLOBAL memory_;
};

DropDataObject* DropDataObject::forFiles(std::vector<std::string> files)
{
    return new DropDataObject(CF_HDROP, std::move(files), {});
}

DropDataObject* DropDataObject::forText(std::string text)
{
    return new DropDataObject(CF_TEXT, {}, std::move(text));
}

DropDataObject::DropDataObject(CLIPFORMAT format, std::vector<std::string> files, std::string text)
    : format_(format), files_(std::move(files)), text_(std::move(text))
{
}

HRESULT DropDataObject::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
    if (*object == nullptr)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG DropDataObject::AddRef()
{
    return ++references_;
}

ULONG DropDataObject::Release()
{
    if (--references_ > 0)
        return references_;
    delete this;
    return 0;
}

HRESULT DropDataObject::QueryGetData(FORMATETC* format)
{
    if (format == nullptr)
        return E_INVALIDARG;
    if (format->cfFormat != format_)
        return DV_E_FORMATETC;
    if (format->dwAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if ((format->tymed & TYMED_HGLOBAL) == 0)
        return DV_E_TYMED;
    return S_OK;
}

HRESULT DropDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (medium == nullptr)
        return E_INVALIDARG;
    const HRESULT offered = QueryGetData(format);
    if (FAILED(offered))
        return offered;
    HGLOBAL memory = newContent();
    *medium = STGMEDIUM{.tymed = TYMED_HGLOBAL, .hGlobal = memory, .pUnkForRelease = new MediumRelease(*this, memory)};
    return S_OK;
}

HGLOBAL DropDataObject::newContent() const
{
    if (format_ == CF_HDROP)
        return newDropFiles(files_);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text_.size() + 1);
    std::memcpy(GlobalLock(memory), text_.c_str(), text_.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

} // namespace platform
