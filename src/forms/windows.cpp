#include "forms/windows.h"

#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/unit3.h"
#include "forms/unit4.h"
#include "forms/unit5.h"

void CreateTesmarWindows()
{
    CreateMainWindows();
    CreateDialogs();
}

void CreateMainWindows()
{
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3;
}

void CreateDialogs()
{
    frmVer = new TfrmVer(Form1);
    frmConfig = new TfrmConfig(Form1);
}

void DestroyTesmarWindows()
{
    delete frmConfig;
    frmConfig = nullptr;
    delete frmVer;
    frmVer = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}
