// Loading the browser colour list into the main window.
#include "forms/unit1.h"
#include "widgets/tscrollbar.h"

#include <QComboBox>
#include <QFile>
#include <QSignalBlocker>

bool LoadBrowserColors(TForm1* mainWindow, const QString& path)
{
    // 141 lines of at most 254 characters are all that can be used: no more is
    // read, however large the file. A FIFO, a device or a folder is no list.
    std::string bytes;
    if (!ReadRegularFile(QFile::encodeName(path).toStdString(), kBrowserColorFileLimit, bytes))
        return false;

    const BrowserColorList list = ParseBrowserColors(bytes);
    QComboBox* combo = mainWindow->cmbBrowserColor;
    // Filling the list is no choice of the user's: the change handler stays out of it.
    const QSignalBlocker quiet(combo);
    combo->clear();
    mainWindow->browserColors.fill(BrowserColor{});
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const BrowserColor& entry = list.entries[i];
        mainWindow->browserColors[i] = entry;
        if (list.failed && i + 1 == list.entries.size())
            break; // the failing line keeps its name but has no colour and no item
        combo->addItem(QString::fromLocal8Bit(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    }
    combo->setCurrentIndex(-1);
    if (list.failed)
        throw EConvertError(list.error);
    return true;
}

void TForm1::cmbBrowserColorChange(QObject*)
{
    const int index = cmbBrowserColor->currentIndex();
    if (index < 0 || index >= kBrowserColorCount)
        return;
    currentColor = browserColors[static_cast<std::size_t>(index)].color;
    scrValue->setValue(0);
    RefreshColor();
}
