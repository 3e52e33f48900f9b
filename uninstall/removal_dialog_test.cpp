// Tests for the progress dialog in this process, on a private Xvfb display:
// what it shows while removing and at the end, and that Cancel stops it.
#include "removal_dialog.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "uninstall_texts.h"
#include "window_test_support.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Texts = std::vector<std::string>;

namespace {

GtkWidget* FindToplevel(const char* title) {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* item = windows; item; item = item->next) {
    GtkWindow* window = GTK_WINDOW(item->data);
    const char* name = gtk_window_get_title(window);
    if (name && std::string(name) == title && gtk_widget_get_visible(GTK_WIDGET(window)))
      found = GTK_WIDGET(window);
  }
  g_list_free(windows);
  return found;
}

void CollectTexts(GtkWidget* widget, gpointer data) {
  auto* texts = static_cast<Texts*>(data);
  if (GTK_IS_LABEL(widget)) texts->push_back(gtk_label_get_text(GTK_LABEL(widget)));
  if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), CollectTexts, texts);
}

// Texts of the dialog, top to bottom: the caption, the path, the button.
Texts DialogTexts(GtkWidget* window) {
  Texts texts;
  CollectTexts(window, &texts);
  return texts;
}

void PressButton(GtkWidget* widget, gpointer) {
  if (GTK_IS_BUTTON(widget)) gtk_button_clicked(GTK_BUTTON(widget));
  else if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), PressButton, nullptr);
}

// Watches the dialog from the main loop RunRemoval runs; once done(window)
// says so, or after ten seconds, presses the dialog's button.
struct DialogWatch {
  std::function<bool(GtkWidget*)> done;
  Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
  bool timedOut = false;
};

gboolean WatchDialog(gpointer data) {
  auto* watch = static_cast<DialogWatch*>(data);
  GtkWidget* window = FindToplevel(kDialogTitle);
  bool late = Clock::now() > watch->deadline;
  if (!window) {
    watch->timedOut = late;
    return late ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
  }
  if (!late && !watch->done(window)) return G_SOURCE_CONTINUE;
  watch->timedOut = late;
  PressButton(window, nullptr);
  return G_SOURCE_REMOVE;
}

void RunWatchedRemoval(const fs::path& log, DialogWatch& watch) {
  g_timeout_add(10, WatchDialog, &watch);
  RunRemoval(log.c_str());
  EXPECT_FALSE(watch.timedOut);
  EXPECT_EQ(FindToplevel(kDialogTitle), nullptr) << "the dialog is still up";
}

class UninstallDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why = OpenTestDisplay();
    if (!why.empty()) GTEST_SKIP() << why;
    char dir[] = "/tmp/rr_uninstall_dialog_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    root = dir;
  }
  void TearDown() override {
    std::error_code ignored;
    if (!root.empty()) fs::remove_all(root, ignored);
  }
  std::string MakeFile(const std::string& name) {
    fs::create_directories((root / name).parent_path());
    std::ofstream(root / name) << "installed";
    return (root / name).string();
  }

  fs::path root;
};

// One removal runs to its end texts; another, with a long list between its two
// files (paths that are not there, each still tried) so that the worker is
// surely still busy, is cancelled and stops where it is.
TEST_F(UninstallDialog, ShowsTheRemovalThenTheEndTextsAndCancelStopsIt) {
  std::string a = MakeFile("game/rivet-run");
  std::string b = MakeFile("game/data/robot.vxm");
  std::ofstream(root / "uninstall.log")
      << a << "\r\n" << b << "\r\n" << (root / "game/data").string() << "\r\n"
      << (root / "game").string() << "\r\n";
  Texts first, last;
  DialogWatch watch;
  watch.done = [&](GtkWidget* window) {
    last = DialogTexts(window);
    if (first.empty()) first = last;
    return last.size() == 3 && last[1] == kFinishedText;
  };
  RunWatchedRemoval(root / "uninstall.log", watch);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0], kRemovingLabel);
  EXPECT_EQ(first[2], kCancelButton);
  EXPECT_EQ(last, (Texts{" ", kFinishedText, kCloseButton}));
  EXPECT_FALSE(fs::exists(root / "game"));

  std::string early = MakeFile("first.png"), late = MakeFile("second.png");
  {
    std::ofstream out(root / "long.log", std::ios::binary);
    out << early << "\r\n";
    const std::string missing = (root / "missing" / "x").string() + "\r\n";
    for (int i = 0; i < 1000000; ++i) out << missing;
    out << late << "\r\n";
  }
  DialogWatch cancel;
  cancel.done = [&](GtkWidget* window) {
    last = DialogTexts(window);
    return last.size() == 3 && last[2] == kCancelButton && !fs::exists(early);
  };
  RunWatchedRemoval(root / "long.log", cancel);
  ASSERT_EQ(last.size(), 3u);
  EXPECT_EQ(last[0], kRemovingLabel);
  EXPECT_EQ(last[2], kCancelButton);  // still removing when cancelled
  EXPECT_FALSE(fs::exists(early));
  EXPECT_TRUE(fs::exists(late));
}

}  // namespace
