// The uninstaller's progress dialog on GTK 3: shows each path while the
// worker thread removes it, then the end of the removal.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "removal.h"

// Milliseconds between the dialog's looks at the worker's progress.
constexpr unsigned kRemovalTimerMs = 50;

struct RemovalDialog {
  GtkWidget* window = nullptr;
  GtkWidget* caption = nullptr;    // "Usuwam plik:", a blank once done
  GtkWidget* pathLabel = nullptr;  // the path being removed, then the end text
  GtkWidget* button = nullptr;     // "Anuluj", then "Zamknij"
  RemovalProgress* progress = nullptr;
  std::string shownPath;
  bool finished = false;  // the end texts are showing
  bool closed = false;    // the button, Escape or the close box was used
};

// Builds the dialog centred on the screen and shows it. The dialog must stay
// at its address while the window lives: the window's signals point at it.
void CreateRemovalDialog(RemovalDialog& dialog, RemovalProgress& progress);

// One timer tick: shows the current path, and the end texts once the worker
// has finished. Returns false when the timer is no longer needed.
bool UpdateRemovalDialog(RemovalDialog& dialog);

void DestroyRemovalDialog(RemovalDialog& dialog);

// The whole removal: the dialog, the worker over logPath and the timer, until
// the user closes the dialog. A removal still going is stopped where it is.
void RunRemoval(const char* logPath);
