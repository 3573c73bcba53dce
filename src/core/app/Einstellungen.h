#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/AppEinstellungen.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"
#include "view/EintragsartTabelle.h"

namespace kalvora {

// What the settings dialog hands back after OK.
struct EinstellungsWerte {
    std::string m_strDatei; // path as typed or chosen (UTF-8)
    int m_nSchemaIndex = 0; // radio 0..4 (scheme - 1); -1 when no radio is set
    // Captions of the 16 colour buttons (Windows-1252), index 1..16.
    std::array<std::string, kAnzahlArten + 1> m_strBedeutung{};
    // The 25 region boxes in region order, then the two hidden country boxes.
    Regionen m_nHaken{};
};

// The region flags for the frame: the 25 boxes, the two country flags derived from them. The
// hidden country boxes are not used.
Regionen RegionenAusHaken(const Regionen& haken);

// Text, face and stripe colour of the view's today button in scheme 1..5.
std::optional<COLORREF> HeuteKnopfFarbe(int schema);

// True when a meaning (exact bytes), colour or alignment of types 1..16 or one of the 27 region
// flags differs.
bool ArtenGeaendert(const EintragsartTabelle& vorher, const EintragsartTabelle& jetzt);

// OK of the settings dialog: scheme, path (message, ".dat", stamp and database rule), meanings,
// regions, then "Datei" and "Farbschema" into the store. `typTexte` runs once the meanings are in
// the table. When the store cannot be opened the user is told and nothing is stored, but the
// application and the table keep the new values.
void EinstellungenUebernehmen(const EinstellungsWerte& werte, const std::string& alterPfad,
                              AppEinstellungen& app, EintragsartTabelle& tabelle,
                              EinstellungsSpeicher& speicher, Meldungen& meldungen,
                              const std::function<void()>& typTexte = {});

// Rewrites the entry-type file beside `datei` only when something differs from `vorher`.
// True when it was written.
bool EintragsartDateiAbgleichen(const EintragsartTabelle& vorher, const EintragsartTabelle& jetzt,
                                const std::string& datei);

} // namespace kalvora
