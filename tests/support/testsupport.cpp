#include "support/testsupport.h"

#include "app/application.h"
#include "forms/unit1.h"
#include "forms/windows.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

TesmarWindows::TesmarWindows()
{
    SetErrorReportHook([this](const QString& text) { errors << text; });
    CreateTesmarWindows();
}

TesmarWindows::~TesmarWindows()
{
    DestroyTesmarWindows();
    SetErrorReportHook({});
}

TForm1* TesmarWindows::main() const { return Form1; }

QString* CloseNextModal(int ms)
{
    auto* seen = new QString; // kept for the caller; tests are short-lived
    QTimer::singleShot(ms, qApp, [seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *seen = box->windowTitle() + QLatin1Char('|') + box->text();
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            *seen = dialog->windowTitle();
            dialog->reject();
        }
    });
    return seen;
}
