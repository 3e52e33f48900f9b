// The uninstaller's progress dialog on GTK 3: shows each path while the
// worker thread removes it, then the end of the removal.
#include "removal_dialog.h"

#include <thread>

#include "uninstall_texts.h"

namespace {

// The dialog is laid out in Windows dialog units of an 8-point font:
// a quarter and an eighth of its average character cell.
int DialogX(int units) { return units * 3 / 2; }
int DialogY(int units) { return units * 13 / 8; }

void PlaceWidget(GtkWidget* fixed, GtkWidget* widget, int x, int y, int width,
                 int height) {
  gtk_widget_set_size_request(widget, DialogX(width), DialogY(height));
  gtk_fixed_put(GTK_FIXED(fixed), widget, DialogX(x), DialogY(y));
}

GtkWidget* MakeLeftLabel(const char* text) {
  GtkWidget* label = gtk_label_new(text);
  gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
  return label;
}

void CloseDialog(RemovalDialog* dialog) {
  dialog->closed = true;
  if (gtk_main_level() > 0) gtk_main_quit();
}

void OnButtonClicked(GtkButton*, gpointer data) {
  CloseDialog(static_cast<RemovalDialog*>(data));
}

gboolean OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer data) {
  CloseDialog(static_cast<RemovalDialog*>(data));
  return TRUE;  // the window goes when the dialog is destroyed, not before
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  if (event->keyval != GDK_KEY_Escape) return FALSE;
  CloseDialog(static_cast<RemovalDialog*>(data));
  return TRUE;
}

gboolean OnTimer(gpointer data) {
  return UpdateRemovalDialog(*static_cast<RemovalDialog*>(data))
             ? G_SOURCE_CONTINUE
             : G_SOURCE_REMOVE;
}

// Paths are bytes; a label takes only valid UTF-8.
void ShowPath(GtkWidget* label, const std::string& path) {
  gchar* text = g_utf8_make_valid(path.c_str(), path.size());
  gtk_label_set_text(GTK_LABEL(label), text);
  g_free(text);
}

}  // namespace

void CreateRemovalDialog(RemovalDialog& dialog, RemovalProgress& progress) {
  dialog.progress = &progress;
  dialog.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(dialog.window);
  gtk_window_set_title(window, kDialogTitle);
  gtk_window_set_resizable(window, FALSE);
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER);

  GtkWidget* fixed = gtk_fixed_new();
  gtk_widget_set_size_request(fixed, DialogX(186), DialogY(90));
  gtk_container_add(GTK_CONTAINER(dialog.window), fixed);

  dialog.caption = MakeLeftLabel(kRemovingLabel);
  PlaceWidget(fixed, dialog.caption, 7, 20, 43, 8);
  dialog.pathLabel = MakeLeftLabel("");
  gtk_label_set_ellipsize(GTK_LABEL(dialog.pathLabel), PANGO_ELLIPSIZE_MIDDLE);
  PlaceWidget(fixed, dialog.pathLabel, 7, 34, 172, 18);
  dialog.button = gtk_button_new_with_label(kCancelButton);
  PlaceWidget(fixed, dialog.button, 59, 69, 50, 14);

  g_signal_connect(dialog.button, "clicked", G_CALLBACK(OnButtonClicked), &dialog);
  g_signal_connect(dialog.window, "delete-event", G_CALLBACK(OnDeleteEvent), &dialog);
  g_signal_connect(dialog.window, "key-press-event", G_CALLBACK(OnKeyPress), &dialog);
  gtk_widget_show_all(dialog.window);
}

bool UpdateRemovalDialog(RemovalDialog& dialog) {
  if (dialog.finished) return false;
  bool running = dialog.progress->running.load();
  std::string path = CurrentRemovalPath(*dialog.progress);
  if (path != dialog.shownPath) {
    dialog.shownPath = path;
    ShowPath(dialog.pathLabel, path);
  }
  if (running) return true;
  gtk_button_set_label(GTK_BUTTON(dialog.button), kCloseButton);
  gtk_label_set_text(GTK_LABEL(dialog.pathLabel), kFinishedText);
  gtk_label_set_text(GTK_LABEL(dialog.caption), " ");
  dialog.finished = true;
  return false;
}

void DestroyRemovalDialog(RemovalDialog& dialog) {
  if (dialog.window) gtk_widget_destroy(dialog.window);
  dialog.window = nullptr;
  while (gtk_events_pending()) gtk_main_iteration();
}

void RunRemoval(const char* logPath) {
  RemovalProgress progress;
  RemovalDialog dialog;
  CreateRemovalDialog(dialog, progress);
  std::thread worker([&] { RemoveListedPaths(logPath, progress); });
  guint timer = g_timeout_add(kRemovalTimerMs, OnTimer, &dialog);
  gtk_main();
  // Cancel stops the worker after the path in hand; what is gone stays gone.
  progress.stopRequested.store(true);
  worker.join();
  if (!dialog.finished) g_source_remove(timer);
  DestroyRemovalDialog(dialog);
}
