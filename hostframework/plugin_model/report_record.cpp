#include "hostframework/plugin_model/report_record.h"

#include "hostframework/host_error.h"

#include <algorithm>
#include <new>

void CReportRecord::AppendWord(std::uintptr_t value)
{
    try {
        words.push_back(value);
    } catch (const std::bad_alloc&) {
        throw CHostError(kHostErrContainerFailure);
    }
}

void CReportRecord::AppendID(const SPlugInID& id)
{
    for (const std::uintptr_t word : id.words)
        AppendWord(word);
}

void CReportRecord::PadTo(std::int32_t bytes)
{
    const auto group = static_cast<std::int32_t>(bytes / sizeof(std::uintptr_t));
    if (group <= 0)
        return;
    for (std::int32_t pad = group - Count() % group; pad > 0; --pad)
        AppendWord(0);
}

const SFlatRecord& CReportRecord::Flatten()
{
    flatWords.reset(new (std::nothrow) std::uintptr_t[words.size()]);
    if (flatWords == nullptr)
        throw CHostError(kHostErrContainerFailure);
    std::copy(words.begin(), words.end(), flatWords.get());
    flat = {flatWords.get(), flatWords.get(), words.size() * sizeof(std::uintptr_t)};
    return flat;
}

CRecordReader::CRecordReader(const SFlatRecord& record)
    : remaining(record.data != nullptr ? record.size / sizeof(std::uintptr_t) : 0),
      current(record.data),
      end(record.data + remaining)
{
}

std::uintptr_t CRecordReader::ReadWord()
{
    if (current == end)
        throw CHostError(kHostErrContainerFailure);
    --remaining;
    return *current++;
}

SPlugInID CRecordReader::ReadID()
{
    SPlugInID id;
    for (std::uintptr_t& word : id.words)
        word = ReadWord();
    return id;
}
