// Creation and destruction of the program's five windows, in their order.
#pragma once

// Creates TForm1 into Form1 (running its start-up), then TForm2, TForm3,
// TfrmVer and TfrmConfig, each hidden.
void CreateTesmarWindows();
// The same in two steps, so that the program can show the main window and
// draw its first frame between them: the first makes Form1, the second the
// hidden ones, Form2, Form3 and the two dialogs.
void CreateMainWindows();
void CreateDialogs();
// Destroys them in reverse order and clears the global references.
void DestroyTesmarWindows();
