// A drop-down list that opens below its box, as tall as its visible-item
// count allows. The toolkit's own popup ignores that count under some styles
// and opens as tall as the screen.
#pragma once

#include <QComboBox>

class TComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
};
