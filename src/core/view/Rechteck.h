#pragma once

namespace kalvora {

// A cell rectangle in client pixels as the cell painters take it: (links, oben) to (rechts, unten).
struct Rechteck {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;

    int Breite() const { return rechts - links; }
    int Hoehe() const { return unten - oben; }
    bool operator==(const Rechteck&) const = default;
};

} // namespace kalvora
