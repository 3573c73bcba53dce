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

std::uint32_t Zeit32(CTime t) { return static_cast<std::uint32_t>(t.GetTime()); }

std::size_t PraefixLaenge(std::size_t n) { return n < 255 ? 1 : n < 0xFFFE ? 3 : 7; }

char* DwordAn(char* z, std::uint32_t w) {
    z[0] = static_cast<char>(w);
    z[1] = static_cast<char>(w >> 8);
    z[2] = static_cast<char>(w >> 16);
    z[3] = static_cast<char>(w >> 24);
    return z + 4;
}

char* TextAn(char* z, std::string_view text) {
    const std::size_t n = text.size();
    if (n < 255) {
        *z++ = static_cast<char>(n);
    } else if (n < 0xFFFE) {
        *z++ = '\xFF';
        *z++ = static_cast<char>(n);
        *z++ = static_cast<char>(n >> 8);
    } else {
        *z++ = '\xFF';
        *z++ = '\xFF';
        *z++ = '\xFF';
        z = DwordAn(z, static_cast<std::uint32_t>(n));
    }
    if (n) std::memcpy(z, text.data(), n);
    return z + n;
}

} // namespace

void TextSchreiben(std::string& puffer, std::string_view text) {
    const std::size_t alt = puffer.size();
    puffer.resize(alt + PraefixLaenge(text.size()) + text.size());
    TextAn(puffer.data() + alt, text);
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
    // Exact size first, then one buffer filled through a cursor: the save runs on every change.
    std::size_t groesse = 4;
    for (const auto& r : liste) {
        groesse += 12;
        for (const std::string* t : {&r->m_strBenennung1, &r->m_strBenennung2, &r->m_strGruppe, &r->m_strIdentNr})
            groesse += PraefixLaenge(t->size()) + t->size();
        r->FuerAlleTage([&](const CTagEintrag& e) {
            groesse += 16 + PraefixLaenge(e.m_strNotiz.size()) + e.m_strNotiz.size();
        });
    }
    std::string puffer(groesse, '\0');
    char* z = puffer.data();
    z = DwordAn(z, static_cast<std::uint32_t>(liste.size()));
    for (const auto& r : liste) {
        for (const std::string* t : {&r->m_strBenennung1, &r->m_strBenennung2, &r->m_strGruppe, &r->m_strIdentNr})
            z = TextAn(z, *t);
        z = DwordAn(z, Zeit32(r->m_timeGeaendert));
        z = DwordAn(z, r->m_bGeloescht ? 1 : 0);
        char* anzahl = z; // filled once the entries are counted
        z += 4;
        std::uint32_t n = 0;
        r->FuerAlleTage([&](const CTagEintrag& e) {
            z = DwordAn(z, Zeit32(e.m_timeDatum));
            z = DwordAn(z, static_cast<std::uint32_t>(e.m_nArtVormittag));
            z = DwordAn(z, static_cast<std::uint32_t>(e.m_nArtNachmittag));
            z = DwordAn(z, Zeit32(e.m_timeGeaendert));
            z = TextAn(z, e.m_strNotiz);
            ++n;
        });
        DwordAn(anzahl, n);
    }
    return puffer;
}

} // namespace kalvora
