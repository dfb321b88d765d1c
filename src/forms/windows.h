// Creation and destruction of the program's five windows, in their order.
#pragma once

// Creates TForm1 into Form1 (running its start-up), then TForm2, TForm3,
// TfrmVer and TfrmConfig, each hidden.
void CreateTesmarWindows();
// The same in two steps, so that the program can ask for the main window to
// be shown between them: the window manager frames and maps it while the
// About box and the options dialog are built. The first makes Form1, Form2
// and Form3, the second the two dialogs.
void CreateMainWindows();
void CreateDialogs();
// Destroys them in reverse order and clears the global references.
void DestroyTesmarWindows();
