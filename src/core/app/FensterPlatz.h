#pragma once
#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"

namespace kalvora {

// Window rectangle in screen pixels: "Left", "Top", "Right", "Bottom".
struct FensterRechteck {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    bool operator==(const FensterRechteck&) const = default;
};

struct FensterPlatz {
    enum Art {
        System,      // nothing stored (or the store is unusable): the window system chooses
        Gespeichert, // the stored rectangle
        Ersatz,      // a stored value was out of range: (0, 0) with 800 x 600
    };
    Art art = System;
    FensterRechteck r;
    bool operator==(const FensterPlatz&) const = default;
};

// What the main frame reads when it is created.
struct RahmenStart {
    int m_nFarbschema = 1;
    FensterPlatz m_platz;
};

// Values 1..4999 are used as they are; any other value of a complete set gives the fallback.
FensterPlatz FensterPlatzAuswerten(std::optional<std::uint32_t> oben, std::optional<std::uint32_t> links,
                                   std::optional<std::uint32_t> unten, std::optional<std::uint32_t> rechts);

// "Farbschema" and the placement; an unusable store is reported and leaves both at their defaults.
RahmenStart RahmenStartLesen(EinstellungsSpeicher& speicher, Meldungen& meldungen);

// On close: the rectangle only when not maximised, then "Max".
void FensterPlatzSpeichern(EinstellungsSpeicher& speicher, Meldungen& meldungen, const FensterRechteck& r,
                           bool maximiert);

} // namespace kalvora
