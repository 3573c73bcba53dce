#include "view/JahresLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "data/Time.h"

namespace kalvora {
namespace {

int Ganz(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

JahresRaster JahresRasterFuer(int breite, int hoehe) {
    return {std::max(breite, 0) / 36.0, std::max(hoehe, 0) / 16.0};
}

std::vector<JahresTag> JahresTage(int jahr, const JahresRaster& r, double* yDanach) {
    std::vector<JahresTag> tage;
    tage.reserve(366);
    double x = 3.5 * r.cw;
    double y = 2.0 * r.rh;
    CTime t(jahr, 1, 1, 12, 0, 0);
    LokaleZeit l = t.Lokal();
    while (l.jahr == jahr) {
        tage.push_back({l.monat, l.tag, l.wochentag, x, y});
        t = CTime(t.GetTime() + 86400);
        const LokaleZeit naechster = t.Lokal();
        x += r.cw;
        if (naechster.monat != l.monat) {
            x = 3.5 * r.cw;
            y += r.rh;
        }
        l = naechster;
    }
    if (yDanach) *yDanach = y;
    return tage;
}

Rechteck TagesFlaeche(const JahresTag& t, const JahresRaster& r) {
    const int x = Ganz(t.x);
    const int y = Ganz(t.y);
    return {x, y, x + Ganz(r.cw + 1.0), y + Ganz(r.rh + 1.0)};
}

Rechteck TagesRahmen(const JahresTag& t, const JahresRaster& r) {
    const int x = Ganz(t.x);
    const int y = Ganz(t.y);
    return {x, y, x + Ganz(r.cw), y + Ganz(r.rh)};
}

std::optional<Rechteck> MarkenRechteck(const JahresTag& t, const JahresRaster& r, int ausrichtung, bool erste,
                                       bool zweite) {
    if (!erste && !zweite) return std::nullopt;
    int x = Ganz(t.x);
    int w = Ganz(r.cw);
    int y = 0;
    int h = 0;
    switch (ausrichtung) {
    case 1:
        y = Ganz(t.y + 0.1 * r.rh);
        h = Ganz(0.25 * r.rh);
        break;
    case 2:
        y = Ganz(t.y + 0.375 * r.rh);
        h = Ganz(0.25 * r.rh);
        break;
    case 3:
        y = Ganz(t.y + 0.7 * r.rh);
        h = Ganz(0.25 * r.rh);
        break;
    default:
        y = Ganz(t.y + 0.25 * r.rh);
        h = Ganz(0.5 * r.rh);
        break;
    }
    if (!(erste && zweite)) {
        if (zweite) x += Ganz(r.cw / 2.0);
        w /= 2;
    }
    return Rechteck{x, y, x + w, y + h};
}

std::string MonatsKuerzel(int monat) {
    static const std::array<const char*, 12> namen = {"JAN", "FEB", "M\xC4R", "APR", "MAI", "JUN",
                                                      "JUL", "AUG", "SEP",    "OKT", "NOV", "DEZ"};
    if (monat < 1 || monat > 12) return {};
    return namen[static_cast<std::size_t>(monat - 1)];
}

std::string JahresTitel(int jahr, const std::string& ueberschrift) {
    std::string titel = std::to_string(jahr);
    if (!ueberschrift.empty()) titel += " / " + ueberschrift;
    return titel;
}

int GueltigesJahr(int jahr) {
    return jahr >= 1970 && jahr <= 2037 ? jahr : -1;
}

} // namespace kalvora
