// The uninstaller's own words, in Polish (UTF-8), and the name of its list.
#pragma once

inline constexpr char kLogFileName[] = "uninstall.log";

inline constexpr char kErrorCaption[] = "Błąd";
inline constexpr char kLogMissingText[] = "Brak pliku uninstall.log !!";
inline constexpr char kWarningCaption[] = "Ostrzeżenie";
inline constexpr char kConfirmText[] = "Czy chcesz usunąć wybraną aplikację?";
inline constexpr char kDialogTitle[] = "Uninstall";
inline constexpr char kRemovingLabel[] = "Usuwam plik:";
inline constexpr char kCancelButton[] = "Anuluj";
inline constexpr char kCloseButton[] = "Zamknij";
inline constexpr char kFinishedText[] = "Zakończono proces usuwania programu";
