// The uninstaller's two message boxes on GTK 3.
#pragma once

// "Brak pliku uninstall.log !!" with an OK button; returns when it is closed.
void ShowLogMissing();

// "Czy chcesz usunąć wybraną aplikację?" with Yes and No; true only on Yes.
bool ConfirmRemoval();
