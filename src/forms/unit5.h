// The options dialog: laid out, its choices read by nothing.
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TfrmConfig : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConfig(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QRadioButton* RadioButton7 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QRadioButton* RadioButton8 = nullptr;
    QRadioButton* RadioButton9 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void FormShow(QObject* sender);
    void Button2Click(QObject* sender);

protected:
    void showEvent(QShowEvent* event) override;
};

extern TfrmConfig* frmConfig;
