#include "forms/unit5.h"

TfrmConfig* frmConfig = nullptr;

TfrmConfig::TfrmConfig(QWidget* parent) : QDialog(parent) {}
void TfrmConfig::FormShow(QObject*) {}
