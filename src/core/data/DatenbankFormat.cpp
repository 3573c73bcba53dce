#include "data/DatenbankFormat.h"

#include <array>
#include <cstdint>
#include <vector>
#include <cstring>
#include <optional>

namespace kalvora {
namespace {

// Smallest possible sizes, used to refuse counts that the remaining bytes cannot hold before
// anything is allocated for them.
constexpr std::size_t kMinRessource = 4 * 1 + 4 + 4 + 4;
constexpr std::size_t kMinEintrag = 4 + 4 + 4 + 4 + 1;

class Leser {
public:
    explicit Leser(std::string_view d) : m_daten(d) {}

    std::size_t Position() const { return m_nPos; }
    std::size_t Rest() const { return m_daten.size() - m_nPos; }

    bool Dword(std::uint32_t& wert) {
        if (Rest() < 4) return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_daten.data() + m_nPos);
        wert = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
               std::uint32_t{p[3]} << 24;
        m_nPos += 4;
        return true;
    }
    bool Word(std::uint16_t& wert) {
        if (Rest() < 2) return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_daten.data() + m_nPos);
        wert = static_cast<std::uint16_t>(p[0] | p[1] << 8);
        m_nPos += 2;
        return true;
    }
    // nullopt on success, else the reason.
    const char* Text(std::string& ziel) {
        if (Rest() < 1) return "Text endet vor seiner Länge";
        std::uint32_t laenge = static_cast<unsigned char>(m_daten[m_nPos++]);
        if (laenge == 0xFF) {
            std::uint16_t w;
            if (!Word(w)) return "Text endet vor seiner Länge";
            laenge = w;
            if (w == 0xFFFF && !Dword(laenge)) return "Text endet vor seiner Länge";
        }
        if (laenge > Rest()) return "Text reicht über das Dateiende";
        ziel.assign(m_daten.data() + m_nPos, laenge);
        m_nPos += laenge;
        return nullptr;
    }

private:
    std::string_view m_daten;
    std::size_t m_nPos = 0;
};

void DwordSchreiben(std::string& p, std::uint32_t w) {
    const char b[4] = {static_cast<char>(w), static_cast<char>(w >> 8), static_cast<char>(w >> 16),
                       static_cast<char>(w >> 24)};
    p.append(b, 4);
}

std::uint32_t Zeit32(CTime t) { return static_cast<std::uint32_t>(t.GetTime()); }

} // namespace

void TextSchreiben(std::string& puffer, std::string_view text) {
    const std::size_t n = text.size();
    if (n < 255) {
        puffer.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        puffer.push_back('\xFF');
        puffer.push_back(static_cast<char>(n));
        puffer.push_back(static_cast<char>(n >> 8));
    } else {
        puffer.append("\xFF\xFF\xFF", 3);
        DwordSchreiben(puffer, static_cast<std::uint32_t>(n));
    }
    puffer.append(text);
}

std::optional<LeseFehler> DatenbankLesen(std::string_view daten, RessourcenListe& ziel) {
    ziel.clear();
    Leser l(daten);
    RessourcenListe liste;
    auto fehler = [&](std::string grund) {
        return std::optional<LeseFehler>(LeseFehler{std::move(grund), l.Position()});
    };

    std::uint32_t anzahl = 0;
    if (!l.Dword(anzahl)) return fehler("Datei endet vor der Zahl der Ressourcen");
    if (anzahl > l.Rest() / kMinRessource)
        return fehler("Zahl der Ressourcen (" + std::to_string(anzahl) + ") größer als die Daten");
    liste.reserve(anzahl);

    for (std::uint32_t i = 0; i < anzahl; ++i) {
        auto r = std::make_unique<CRessource>();
        for (std::string* s : {&r->m_strBenennung1, &r->m_strBenennung2, &r->m_strGruppe, &r->m_strIdentNr})
            if (const char* grund = l.Text(*s))
                return fehler(std::string(grund) + " (Ressource " + std::to_string(i + 1) + ")");
        std::uint32_t geaendert, geloescht, eintraege;
        if (!l.Dword(geaendert) || !l.Dword(geloescht) || !l.Dword(eintraege))
            return fehler("Datei endet in Ressource " + std::to_string(i + 1));
        r->m_timeGeaendert = CTime(geaendert);
        r->m_bGeloescht = geloescht != 0;
        if (eintraege > l.Rest() / kMinEintrag)
            return fehler("Zahl der Tageinträge (" + std::to_string(eintraege) + ") der Ressource " +
                          std::to_string(i + 1) + " größer als die Daten");
        for (std::uint32_t k = 0; k < eintraege; ++k) {
            std::uint32_t datum, vm, nm, zeit;
            if (!l.Dword(datum) || !l.Dword(vm) || !l.Dword(nm) || !l.Dword(zeit))
                return fehler("Datei endet in einem Tageintrag");
            const MonatTag mt = LokalerMonatTag(CTime(datum));
            TagSlot& slot = r->Slot(mt.monat, mt.tag);
            CTagEintrag& e = slot.emplace_back();
            if (const char* grund = l.Text(e.m_strNotiz)) return fehler(std::string(grund) + " (Notiz)");
            e.m_timeDatum = CTime(datum);
            e.m_nArtVormittag = static_cast<int>(static_cast<std::int32_t>(vm));
            e.m_nArtNachmittag = static_cast<int>(static_cast<std::int32_t>(nm));
            e.m_timeGeaendert = CTime(zeit);
        }
        liste.push_back(std::move(r));
    }
    ziel = std::move(liste);
    return std::nullopt;
}

std::string DatenbankSchreiben(const RessourcenListe& liste) {
    std::size_t groesse = 4;
    for (const auto& r : liste) {
        groesse += kMinRessource + 16 + r->m_strBenennung1.size() + r->m_strBenennung2.size() +
                   r->m_strGruppe.size() + r->m_strIdentNr.size();
        r->FuerAlleTage([&](const CTagEintrag& e) { groesse += kMinEintrag + 6 + e.m_strNotiz.size(); });
    }
    std::string p;
    p.reserve(groesse);
    DwordSchreiben(p, static_cast<std::uint32_t>(liste.size()));
    for (const auto& r : liste) {
        TextSchreiben(p, r->m_strBenennung1);
        TextSchreiben(p, r->m_strBenennung2);
        TextSchreiben(p, r->m_strGruppe);
        TextSchreiben(p, r->m_strIdentNr);
        DwordSchreiben(p, Zeit32(r->m_timeGeaendert));
        DwordSchreiben(p, r->m_bGeloescht ? 1 : 0);
        DwordSchreiben(p, static_cast<std::uint32_t>(r->AnzahlEintraege()));
        r->FuerAlleTage([&](const CTagEintrag& e) {
            DwordSchreiben(p, Zeit32(e.m_timeDatum));
            DwordSchreiben(p, static_cast<std::uint32_t>(e.m_nArtVormittag));
            DwordSchreiben(p, static_cast<std::uint32_t>(e.m_nArtNachmittag));
            DwordSchreiben(p, Zeit32(e.m_timeGeaendert));
            TextSchreiben(p, e.m_strNotiz);
        });
    }
    return p;
}

} // namespace kalvora
