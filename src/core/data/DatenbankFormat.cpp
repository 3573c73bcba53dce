#include "data/DatenbankFormat.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "data/Vorleser.h"

namespace kalvora {
namespace {

// Smallest possible sizes, used to refuse counts that the remaining bytes cannot hold before
// anything is allocated for them.
constexpr std::size_t kMinRessource = 4 * 1 + 4 + 4 + 4;
constexpr std::size_t kMinEintrag = 4 + 4 + 4 + 4 + 1;

// Reads the file from its whole image, from an image still being read in, or piece by piece
// from a source through a window that always holds the bytes the next step needs.
class Leser {
public:
    explicit Leser(std::string_view d)
        : m_pFenster(d.data()), m_p(d.data()), m_pEnde(d.data() + d.size()), m_nGesamt(d.size()) {}
    Leser(std::size_t groesse, const Nachladen& quelle) : m_nGesamt(groesse), m_pQuelle(&quelle) {}
    Leser(std::size_t groesse, Vorleser& vorleser)
        : m_pFenster(vorleser.Daten()), m_p(m_pFenster), m_pEnde(m_pFenster), m_nGesamt(groesse),
          m_pVorleser(&vorleser) {}

    std::size_t Position() const { return m_nFensterBasis + static_cast<std::size_t>(m_p - m_pFenster); }
    std::size_t Rest() const { return m_nGesamt - Position(); }

    bool Dword(std::uint32_t& wert) {
        if (!Bereit(4)) return false;
        wert = DwordBei(m_p);
        m_p += 4;
        return true;
    }
    bool Word(std::uint16_t& wert) {
        if (!Bereit(2)) return false;
        const auto* p = reinterpret_cast<const unsigned char*>(m_p);
        wert = static_cast<std::uint16_t>(p[0] | p[1] << 8);
        m_p += 2;
        return true;
    }
    // Null on success, else the reason. `ziel` views the window until the next read.
    const char* Text(std::string_view& ziel) {
        if (!Bereit(1)) return "Text endet vor seiner Länge";
        std::uint32_t laenge = static_cast<unsigned char>(*m_p++);
        if (laenge == 0xFF) {
            std::uint16_t w;
            if (!Word(w)) return "Text endet vor seiner Länge";
            laenge = w;
            if (w == 0xFFFF && !Dword(laenge)) return "Text endet vor seiner Länge";
        }
        if (laenge > Rest() || !Bereit(laenge)) return "Text reicht über das Dateiende";
        ziel = std::string_view(m_p, laenge);
        m_p += laenge;
        return nullptr;
    }
    // The window, for a loop that keeps the cursor in a register: read from Cursor() up to
    // FensterEnde(), then hand the new cursor back to Weiter().
    const char* Cursor() const { return m_p; }
    const char* FensterEnde() const { return m_pEnde; }
    void Weiter(const char* p) { m_p = p; }

    static std::uint32_t DwordBei(const char* z) {
        const auto* p = reinterpret_cast<const unsigned char*>(z);
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
               std::uint32_t{p[3]} << 24;
    }

private:
    bool Bereit(std::size_t n) {
        if (static_cast<std::size_t>(m_pEnde - m_p) >= n) return true;
        if (m_pVorleser) return Abwarten(n);
        return m_pQuelle && Nachfuellen(n);
    }

    // The image grows at its end; the window is all of it that is in.
    [[gnu::noinline]] bool Abwarten(std::size_t n) {
        m_pEnde = m_pFenster + m_pVorleser->Warten(Position() + n);
        return static_cast<std::size_t>(m_pEnde - m_p) >= n;
    }

    // Moves what is left to the front of the buffer and reads on, never past the announced size.
    [[gnu::noinline]] bool Nachfuellen(std::size_t n) {
        constexpr std::size_t kStueck = 256 * 1024; // stays in the cache while it is parsed
        std::size_t vorhanden = static_cast<std::size_t>(m_pEnde - m_p);
        m_nFensterBasis = Position();
        const std::size_t noetig = std::max(n, kStueck);
        if (m_puffer.size() < noetig) {
            std::string neu(noetig, '\0');
            if (vorhanden) std::memcpy(neu.data(), m_p, vorhanden);
            m_puffer.swap(neu);
        } else if (vorhanden) {
            std::memmove(m_puffer.data(), m_p, vorhanden);
        }
        while (vorhanden < n) {
            const std::size_t frei =
                std::min(m_puffer.size() - vorhanden, m_nGesamt - m_nFensterBasis - vorhanden);
            const std::ptrdiff_t gelesen = frei ? (*m_pQuelle)(m_puffer.data() + vorhanden, frei) : 0;
            if (gelesen <= 0) break;
            vorhanden += static_cast<std::size_t>(gelesen);
        }
        m_pFenster = m_p = m_puffer.data();
        m_pEnde = m_p + vorhanden;
        return vorhanden >= n;
    }

    const char* m_pFenster = nullptr; // window start, at file offset m_nFensterBasis
    const char* m_p = nullptr;
    const char* m_pEnde = nullptr;
    std::size_t m_nFensterBasis = 0;
    std::size_t m_nGesamt;
    const Nachladen* m_pQuelle = nullptr;
    Vorleser* m_pVorleser = nullptr;
    std::string m_puffer;
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

namespace {

// The day entries of one resource, into its table; the reason when the file ends too early.
std::optional<std::string> EintraegeLesen(Leser& l, std::uint32_t anzahl, const SlotRechner& rechner,
                                          TagTabelle& ziel) {
    std::vector<CTagEintrag> eintraege;
    eintraege.reserve(anzahl);
    // Each entry built in place. One per step of the loop below, so the reserved room suffices;
    // telling the compiler so drops the growth path from the loop.
    const auto neu = [&](std::uint32_t datum, std::uint32_t vm, std::uint32_t nm,
                         std::uint32_t zeit) -> CTagEintrag& {
        assert(eintraege.size() < eintraege.capacity());
        if (eintraege.size() == eintraege.capacity()) __builtin_unreachable();
        CTagEintrag& e = eintraege.emplace_back();
        e.m_timeGeaendert = CTime(zeit);
        e.m_nArtVormittag = static_cast<int>(static_cast<std::int32_t>(vm));
        e.m_nArtNachmittag = static_cast<int>(static_cast<std::int32_t>(nm));
        e.m_timeDatum = CTime(datum);
        return e;
    };
    TagTabelle::Enden ende{};
    std::uint32_t vorher = 0;
    bool geordnet = true;
    // Entry n belongs to day slot `slot`: the day's run ends after it for now.
    const auto merken = [&](std::uint32_t slot, std::uint32_t n) {
        geordnet &= slot >= vorher;
        vorher = slot;
        ende[slot + 1] = n + 1;
    };
    for (std::uint32_t n = 0; n < anzahl; ++n) {
        // Entries without a note, whole in the window, on a day the time table knows: nearly all
        // of them. Nothing in this loop calls out, which keeps it tight.
        const char* p = l.Cursor();
        for (const char* fensterEnde = l.FensterEnde(); n < anzahl && fensterEnde - p >= 17 && p[16] == 0;
             ++n, p += 17) {
            const std::uint32_t datum = Leser::DwordBei(p);
            const int slot = rechner.SlotAusTabelle(datum);
            if (slot < 0) break;
            merken(static_cast<std::uint32_t>(slot), n);
            neu(datum, Leser::DwordBei(p + 4), Leser::DwordBei(p + 8), Leser::DwordBei(p + 12));
        }
        l.Weiter(p);
        if (n == anzahl) break;
        // A note, the window runs dry or a day new to the time table: one entry the careful way.
        std::uint32_t w[4];
        std::string_view notiz;
        if (!l.Dword(w[0]) || !l.Dword(w[1]) || !l.Dword(w[2]) || !l.Dword(w[3]))
            return "Datei endet in einem Tageintrag";
        if (const char* grund = l.Text(notiz)) return std::string(grund) + " (Notiz)";
        merken(rechner.Slot(w[0]), n);
        neu(w[0], w[1], w[2], w[3]).m_strNotiz = notiz;
    }
    ziel.Uebernehmen(std::move(eintraege), ende, geordnet);
    return std::nullopt;
}

std::optional<LeseFehler> Lesen(Leser& l, RessourcenListe& ziel) {
    ziel.clear();
    RessourcenListe liste;
    auto fehler = [&](std::string grund) {
        return std::optional<LeseFehler>(LeseFehler{std::move(grund), l.Position()});
    };

    std::uint32_t anzahl = 0;
    if (!l.Dword(anzahl)) return fehler("Datei endet vor der Zahl der Ressourcen");
    if (anzahl > l.Rest() / kMinRessource)
        return fehler("Zahl der Ressourcen (" + std::to_string(anzahl) + ") größer als die Daten");
    liste.reserve(anzahl);

    const SlotRechner rechner;
    for (std::uint32_t i = 0; i < anzahl; ++i) {
        auto r = std::make_unique<CRessource>();
        for (std::string* s : {&r->m_strBenennung1, &r->m_strBenennung2, &r->m_strGruppe, &r->m_strIdentNr}) {
            std::string_view text;
            if (const char* grund = l.Text(text))
                return fehler(std::string(grund) + " (Ressource " + std::to_string(i + 1) + ")");
            s->assign(text);
        }
        std::uint32_t geaendert, geloescht, eintraege;
        if (!l.Dword(geaendert) || !l.Dword(geloescht) || !l.Dword(eintraege))
            return fehler("Datei endet in Ressource " + std::to_string(i + 1));
        r->m_timeGeaendert = CTime(geaendert);
        r->m_bGeloescht = geloescht != 0;
        if (eintraege > l.Rest() / kMinEintrag)
            return fehler("Zahl der Tageinträge (" + std::to_string(eintraege) + ") der Ressource " +
                          std::to_string(i + 1) + " größer als die Daten");
        if (auto grund = EintraegeLesen(l, eintraege, rechner, r->m_pTage)) return fehler(*grund);
        liste.push_back(std::move(r));
    }
    ziel = std::move(liste);
    return std::nullopt;
}

} // namespace

std::optional<LeseFehler> DatenbankLesen(std::string_view daten, RessourcenListe& ziel) {
    Leser l(daten);
    return Lesen(l, ziel);
}

std::optional<LeseFehler> DatenbankLesen(std::size_t groesse, const Nachladen& quelle, RessourcenListe& ziel,
                                         std::size_t vorauslesenAb) {
    if (groesse >= vorauslesenAb && groesse <= kVorauslesenBis) {
        Vorleser vorleser(groesse, quelle);
        Leser l(groesse, vorleser);
        return Lesen(l, ziel);
    }
    Leser l(groesse, quelle);
    return Lesen(l, ziel);
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
            z = TextAn(z, e.m_strNotiz.Text());
            ++n;
        });
        DwordAn(anzahl, n);
    }
    return puffer;
}

} // namespace kalvora
