// Feeds settings files through the whole road of the home page command: the
// file on disk, the reader, the address text, the address and what the
// desktop's opener is handed. Files may be far larger than the input (see
// ExpandRuns), beyond the reader's size limit. Nothing may crash, and no
// value may reach the opener as an option.
#include "forms/shellopen.h"
#include "forms/unit4.h"
#include "fuzz_common.h"

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = ExpandRuns(std::string_view(reinterpret_cast<const char*>(data), size));
    static const std::string path = ScratchFile("tesmar.ini");
    if (!WriteFile(path, bytes))
        return 0;
    const QString address = HomePageAddress(QString::fromStdString(path));
    if (address.size() > 2047)
        std::abort();
    const QUrl url = AddressUrl(address);
    // The exact argument the opener is handed: never an option, never empty
    // text for a target that opens something.
    const QString argument = OpenerArgument(url);
    if (argument.startsWith(QLatin1Char('-')))
        std::abort();
    if (!argument.isEmpty() && !url.isValid())
        std::abort();
    // An argument that is not turned aside is the target's own text.
    if (!argument.startsWith(QLatin1String("./-")) && !argument.isEmpty() &&
        argument != (url.isLocalFile() ? url.toLocalFile() : QString::fromLatin1(url.toEncoded())))
        std::abort();
    return 0;
}
