// The history's CSV reader for any bytes: no crash, and whatever it takes in is written out and
// read back to the same entries, the same bytes.

#include "fuzzapp.h"

#include "history/historyfiles.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto reading = HistoryFiles::fromCsv(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    require(reading.error.isEmpty() || reading.entries.isEmpty(),
            "a refused file gives no entries");
    if (!reading.error.isEmpty())
        return 0;
    const QByteArray written = HistoryFiles::toCsv(reading.entries);
    const auto again = HistoryFiles::fromCsv(written);
    require(again.error.isEmpty() && again.entries.size() == reading.entries.size(),
            "what was read is written so that it reads back");
    for (qsizetype index = 0; index < again.entries.size(); ++index)
        require(again.entries[index].sameAs(reading.entries[index]), "every field comes back");
    require(HistoryFiles::toCsv(again.entries) == written, "the same bytes come back");
    return 0;
}
