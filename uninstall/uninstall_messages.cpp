// The uninstaller's two message boxes on GTK 3.
#include "uninstall_messages.h"

#include <gtk/gtk.h>

#include "uninstall_texts.h"

namespace {

int RunMessage(GtkMessageType type, GtkButtonsType buttons, const char* caption,
               const char* text, int defaultResponse) {
  GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, type,
                                          buttons, "%s", text);
  gtk_window_set_title(GTK_WINDOW(box), caption);
  gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
  if (defaultResponse != GTK_RESPONSE_NONE)
    gtk_dialog_set_default_response(GTK_DIALOG(box), defaultResponse);
  int response = gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  // Let the box really leave the screen before whatever comes next.
  while (gtk_events_pending()) gtk_main_iteration();
  return response;
}

}  // namespace

void ShowLogMissing() {
  RunMessage(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, kErrorCaption, kLogMissingText,
             GTK_RESPONSE_OK);
}

bool ConfirmRemoval() {
  // Yes is the default button, as in a Windows Yes/No box.
  return RunMessage(GTK_MESSAGE_WARNING, GTK_BUTTONS_YES_NO, kWarningCaption,
                    kConfirmText, GTK_RESPONSE_YES) == GTK_RESPONSE_YES;
}
