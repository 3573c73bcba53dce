#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/Meldungen.h"
#include "data/AenderungsBasis.h"
#include "data/Ressource.h"

namespace kalvora {

// At most this many bytes of a note are stored; a line break counts as its two bytes CR LF.
inline constexpr std::size_t kNotizLaenge = 200;

inline constexpr const char* kNotizNurBeiEintrag = "Notizen sind nur bei eingetragenen Tagen möglich!";
inline constexpr const char* kNotizZuLang =
    "Es sind nur maximal 200 Zeichen zulässig - es werden nur die ersten 200 Zeichen gespeichert!";
// While the dialog was open a sync took in another user's change that removed the note's day.
inline constexpr const char* kNotizTagGeloescht =
    "Der Tag wurde inzwischen von einem anderen Benutzer gelöscht. Die Notiz wurde nicht gespeichert.\n"
    "Der Text wird noch einmal angezeigt, damit er nicht verloren geht; \"Abbrechen\" verwirft ihn.";
inline constexpr const char* kNotizRessourceGeloescht =
    "Die Ressource wurde inzwischen von einem anderen Benutzer gelöscht. Die Notiz wurde nicht gespeichert.\n"
    "Der Text wird noch einmal angezeigt, damit er nicht verloren geht; \"Abbrechen\" verwirft ihn.";

// "%2d.%2d.%4d * %s" of the local date of `tag` and the resource's name (Windows-1252).
std::string NotizTitel(CTime tag, std::string_view strBenennung1);

// The first entry of the slot of `zeit` in the same year whose half at `zeit` is marked, or null.
CTagEintrag* NotizEintrag(CRessource& r, CTime zeit);

// OK of the note dialog: an over-long note is cut to its first 200 bytes after the message.
// True when the note was cut.
bool NotizBegrenzen(std::string& notiz, Meldungen& meldungen);

// The edit box shows line breaks as '\n'; the plan keeps them as CR LF.
std::string NotizAusEingabe(std::string_view eingabe);
std::string NotizFuerEingabe(std::string_view notiz);

// Runs the note dialog with (title, note); nullopt when cancelled, else the note to store.
using NotizDialog =
    std::function<std::optional<std::string>(const std::string& titel, const std::string& notiz)>;

// Command 5556: the note of the day at `zeit` of the working record shown in row `nZeile`.
// An unmarked half gets the message; OK stores the note with a fresh change time on the live
// record of that identity. When a sync during the dialog cleared the day or deleted the resource,
// the user is told and the dialog opens again with the typed text until it is cancelled or the
// note finds its day. True when the working list changed (the caller then syncs with saving).
bool NotizBearbeiten(RessourcenListe& arbeit, int nZeile, CTime zeit, Meldungen& meldungen,
                     const NotizDialog& dialog, AenderungsBasis* basis = nullptr);

} // namespace kalvora
