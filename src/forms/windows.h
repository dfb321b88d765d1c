// Creation and destruction of the program's five windows, in their order.
#pragma once

// Creates TForm1 into Form1 (running its start-up), then TForm2, TForm3,
// TfrmVer and TfrmConfig, each hidden.
void CreateTesmarWindows();
// Destroys them in reverse order and clears the global references.
void DestroyTesmarWindows();
