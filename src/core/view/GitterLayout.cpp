#include "view/GitterLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "calendar/Kalender.h"

namespace kalvora {
namespace {

// Pixel positions of absurd indices saturate instead of overflowing.
int Saettigen(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Index of the span of `schritt` pixels starting at `anfang` that holds `p`; -1 before it.
int SpanneBei(int p, int anfang, int schritt) {
    if (p < anfang || schritt <= 0) return -1;
    return Saettigen((std::int64_t{p} - anfang) / schritt);
}

void ZahlText(std::string& ziel, int zahl) {
    char puffer[16];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, zahl);
    ziel.assign(puffer, fehler == std::errc{} ? ende : puffer);
}

int WochentagAusTagen(std::int64_t t) { return static_cast<int>(((t % 7) + 7 + 4) % 7); } // 1970-01-01: Thursday

} // namespace

int GitterGeometrie::SpalteLinks(int j) const {
    return Saettigen(std::int64_t{m_nNamenBreite} + 1 + std::int64_t{j} * (std::int64_t{m_nZellgroesse} + 1));
}

int GitterGeometrie::ZeileOben(int k) const {
    return Saettigen(2 * std::int64_t{m_nZellgroesse} + 2 + std::int64_t{k} * (std::int64_t{m_nZellgroesse} + 1));
}

int GitterGeometrie::SpalteBei(int x) const {
    return SpanneBei(x, SpalteLinks(0), m_nZellgroesse + 1);
}

int GitterGeometrie::ZeileBei(int y) const { return SpanneBei(y, ZeileOben(0), m_nZellgroesse + 1); }

Rechteck GitterGeometrie::TagesKopf(int j) const {
    const int x = SpalteLinks(j);
    return {x, m_nZellgroesse + 1, x + m_nZellgroesse, 2 * m_nZellgroesse + 1};
}

Rechteck GitterGeometrie::Namenszelle(int k) const {
    const int y = ZeileOben(k);
    return {0, y, m_nNamenBreite, y + m_nZellgroesse};
}

Rechteck GitterGeometrie::Tageszelle(int j, int k) const {
    const int x = SpalteLinks(j);
    const int y = ZeileOben(k);
    return {x, y, x + m_nZellgroesse, y + m_nZellgroesse};
}

Rechteck SchulferienPunkt(const Rechteck& kopf) {
    const int d = std::min(kopf.Breite(), kopf.Hoehe());
    const int viertel = static_cast<int>(d * 0.25);
    return {kopf.rechts - viertel, kopf.oben + 1, kopf.rechts - 1, kopf.oben + viertel};
}

std::vector<std::pair<int, int>> EllipsenZeilen(int w, int h) {
    std::vector<std::pair<int, int>> zeilen;
    if (w <= 0 || h <= 0) return zeilen;
    zeilen.reserve(static_cast<std::size_t>(h));
    const double rx = w / 2.0, ry = h / 2.0;
    for (int y = 0; y < h; ++y) {
        const double dy = (y + 0.5 - ry) / ry;
        const double halb = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        // Pixel centres x + 0.5 within rx ± halb.
        // Two pixels or fewer across: the box itself.
        if (w <= 2 || h <= 2) {
            zeilen.emplace_back(0, w);
            continue;
        }
        int von = std::max(0, static_cast<int>(std::ceil(rx - halb - 0.5)));
        int bis = std::min(w, static_cast<int>(std::floor(rx + halb - 0.5)) + 1);
        // A slim ellipse's end rows hold no centre: the middle pixel(s) keep the box's height.
        if (von >= bis) von = (w - 1) / 2, bis = w / 2 + 1;
        zeilen.emplace_back(von, bis);
    }
    return zeilen;
}

int NamenBreiteBegrenzen(int nNamenBreite, int nClientBreite) {
    int nw = std::max(nNamenBreite, 10);
    const std::int64_t grenze = std::int64_t{nClientBreite} - 10;
    if (nw > grenze) nw = Saettigen(grenze);
    return nw;
}

const CTagEintrag* EintragAm(const CRessource& r, const TagSpalte& spalte) {
    const Datum& d = spalte.m_datum;
    if (d.monat < 1 || d.monat > 12 || d.tag < 1 || d.tag > 31) return nullptr;
    // Comparing instants with the day's bounds spares a local breakdown per entry.
    for (const CTagEintrag& e : r.Slot(d.monat, d.tag))
        if (e.m_timeDatum >= spalte.m_timeAnfang && e.m_timeDatum < spalte.m_timeEnde) return &e;
    return nullptr;
}

void GitterAnordnen(const GitterEingabe& e, const CFeiertage& feiertage, GitterLayout& layout) {
    // A cell size below 1 would never advance; the view keeps it within 10..300 anyway.
    const int z = std::clamp(e.m_nZellgroesse, 1, 10000);
    layout.m_geo = {NamenBreiteBegrenzen(e.m_nNamenBreite, e.m_nClientBreite), z};
    const GitterGeometrie& geo = layout.m_geo;

    // Shown rows: those after the first F that start above the bottom edge.
    const int f = std::max(e.m_nErsteZeile, 0);
    layout.m_nErsteZeile = f;
    layout.m_namen.clear();
    for (int k = 0; f < e.m_nZeilen - k; ++k) {
        const Rechteck r = geo.Namenszelle(k);
        if (r.oben >= e.m_nClientHoehe) break;
        layout.m_namen.push_back(r);
    }

    // Day columns: every x up to and including the right edge starts one.
    int anzahl = 0;
    if (geo.SpalteLinks(0) <= e.m_nClientBreite)
        anzahl = SpanneBei(e.m_nClientBreite, geo.SpalteLinks(0), z + 1) + 1;
    layout.m_spalten.resize(static_cast<std::size_t>(anzahl));

    const std::int64_t heute = TageAusDatum(e.m_heute.jahr, e.m_heute.monat, e.m_heute.tag);
    std::int64_t t = heute + e.m_nTagOffset;
    Datum d = DatumAusTagen(t);
    int monatsAnfang = geo.SpalteLinks(0);
    CTime anfang(d.jahr, d.monat, d.tag, 0, 0, 0);
    for (int j = 0; j < anzahl; ++j, ++t) {
        TagSpalte& s = layout.m_spalten[static_cast<std::size_t>(j)];
        const Datum n = DatumAusTagen(t + 1);
        const int x = geo.SpalteLinks(j);
        s.m_datum = d;
        s.m_timeAnfang = anfang;
        s.m_timeEnde = anfang = CTime(n.jahr, n.monat, n.tag, 0, 0, 0);
        s.m_nLinks = x;
        s.m_kopf = geo.TagesKopf(j);
        s.m_nWochentag = WochentagAusTagen(t);

        s.m_bMonatsKopf = n.tag == 1 || std::int64_t{x} + z >= e.m_nClientBreite;
        if (s.m_bMonatsKopf) {
            s.m_monat.m_rect = {monatsAnfang, 0, x + z, z};
            if (std::int64_t{x} - monatsAnfang < 2 * std::int64_t{z}) {
                s.m_monat.m_strJahr.clear();
                s.m_monat.m_strMonat = {};
            } else {
                ZahlText(s.m_monat.m_strJahr, d.jahr);
                s.m_monat.m_strMonat = Monatsname(d.monat);
            }
            monatsAnfang = x + z + 1;
        }

        ZahlText(s.m_strTag, d.tag);
        s.m_strWochentag = WochentagKuerzel(s.m_nWochentag);
        s.m_bSchulferien = feiertage.IstSchulferien(d.tag, d.monat, d.jahr);
        if (t == heute)
            s.m_art = TagesArt::Heute;
        else if (IstWochenende(s.m_nWochentag) || feiertage.IstFeiertag(d.tag, d.monat, d.jahr))
            s.m_art = TagesArt::Frei;
        else
            s.m_art = TagesArt::Werktag;
        if (s.m_nWochentag == 1)
            ZahlText(s.m_strKalenderwoche, feiertage.Kalenderwoche(d.tag, d.monat, d.jahr));
        else
            s.m_strKalenderwoche.clear();
        d = n;
    }
}

} // namespace kalvora
