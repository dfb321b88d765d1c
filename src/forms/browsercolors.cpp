// Loading the browser colour list into the main window.
#include "forms/unit1.h"
#include "widgets/tscrollbar.h"

#include <QComboBox>
#include <QFile>

bool LoadBrowserColors(TForm1* mainWindow, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Only the lines that can be used are read, however large the file is.
    QByteArray bytes;
    for (int i = 0; i < kBrowserColorCount && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine();
        if (line.isEmpty())
            break; // a read error ends the file
        bytes += line;
    }
    file.close();

    const BrowserColorList list = ParseBrowserColors(std::string_view(bytes.constData(), bytes.size()));
    QComboBox* combo = mainWindow->cmbBrowserColor;
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
