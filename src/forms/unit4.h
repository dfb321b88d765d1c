// The About box.
#pragma once

#include <QDialog>

class TfrmVer : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVer(QWidget* parent = nullptr);

    void FormShow(QObject* sender);
};

extern TfrmVer* frmVer;
