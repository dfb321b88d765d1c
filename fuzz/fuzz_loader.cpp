// Feeds colour list files to the program's own loader, LoadBrowserColors, as
// start-up runs it on colorcode.dat: a real file, a real main window and its
// drop-down list. Lines may be far longer than the input (see ExpandRuns).
// The loader must not crash, must read no more than it may use, and must leave
// the list and the table holding together.
#include "core/colour.h"
#include "forms/unit1.h"
#include "fuzz_common.h"

#include <QApplication>
#include <QComboBox>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_loader";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    Form1 = new TForm1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = ExpandRuns(std::string_view(reinterpret_cast<const char*>(data), size));
    static const std::string path = ScratchFile("colorcode.dat");
    if (!WriteFile(path, bytes))
        return 0;
    bool failed = false;
    try {
        LoadBrowserColors(Form1, QString::fromStdString(path));
    } catch (const EConvertError&) {
        failed = true;
    }
    const int items = Form1->cmbBrowserColor->count();
    if (items > kBrowserColorCount || Form1->cmbBrowserColor->currentIndex() != -1)
        std::abort();
    // Every item stands for its entry, and no name is longer than a line.
    for (int i = 0; i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (entry.name.size() >= kBrowserColorLineLength || entry.color > 0xFFFFFF)
            std::abort();
        if (i < items && Form1->cmbBrowserColor->itemText(i) !=
                             QString::fromLocal8Bit(entry.name.data(), static_cast<qsizetype>(entry.name.size())))
            std::abort();
    }
    // Entries without an item are empty, but for the failing line's, which keeps its name.
    for (int i = items + (failed ? 1 : 0); i < kBrowserColorCount; ++i) {
        const BrowserColor& entry = Form1->browserColors[static_cast<std::size_t>(i)];
        if (!entry.name.empty() || entry.color != 0)
            std::abort();
    }
    return 0;
}
