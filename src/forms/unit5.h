// The options dialog: laid out, its choices read by nothing.
#pragma once

#include <QDialog>

class TfrmConfig : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConfig(QWidget* parent = nullptr);

    void FormShow(QObject* sender);
};

extern TfrmConfig* frmConfig;
