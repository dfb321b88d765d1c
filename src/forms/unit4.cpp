#include "forms/unit4.h"

TfrmVer* frmVer = nullptr;

TfrmVer::TfrmVer(QWidget* parent) : QDialog(parent) {}
void TfrmVer::FormShow(QObject*) {}
