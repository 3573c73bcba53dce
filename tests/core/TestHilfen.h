#pragma once
// Shared fixtures of the core tests: temporary folder, settings store, message recorder, fixed clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"
#include "app/Uhr.h"
#include "calendar/Regionen.h"
#include "data/Abgleich.h"
#include "data/DatenbankFormat.h"
#include "data/Ressource.h"
#include "data/UrlaubDoc.h"
#include "view/Markierung.h"

namespace kalvora::test {

class TempOrdner {
public:
    TempOrdner() {
        std::random_device rd;
        m_pfad = std::filesystem::temp_directory_path() / ("kalvora-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_pfad);
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(m_pfad, ec);
    }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    const std::filesystem::path& pfad() const { return m_pfad; }
    std::string operator/(const std::string& name) const { return (m_pfad / name).string(); }

private:
    std::filesystem::path m_pfad;
};

inline std::string DateiInhalt(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void DateiSchreibenTest(const std::filesystem::path& p, const std::string& inhalt) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << inhalt;
}

// Sets an OS lock (F_RDLCK, F_WRLCK) on the whole file behind `fd`, as another process would.
inline bool FremdeSperre(int fd, short art) {
    struct flock fl {};
    fl.l_type = art;
    return ::fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

// A local time, to the hour.
inline CTime Um(int jahr, int monat, int tag, int stunde = 0) { return CTime(jahr, monat, tag, stunde, 0, 0); }

// The given states selected, with the flags derived from them as the settings dialog does.
inline Regionen Laender(std::initializer_list<int> laender) {
    Regionen r{};
    for (int l : laender) r[static_cast<std::size_t>(l)] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

class SpeicherAttrappe : public EinstellungsSpeicher {
public:
    bool m_bOeffnenGelingt = true;
    std::map<std::string, std::string> m_texte;
    std::map<std::string, std::uint32_t> m_zahlen;
    std::optional<std::string> m_persoenlich = "/home/nutzer/Dokumente";
    bool m_bOrdnerSchluessel = true;

    bool Oeffnen() override { return m_bOeffnenGelingt; }
    template <class W> static std::optional<W> Lies(const std::map<std::string, W>& m, const std::string& n) {
        const auto it = m.find(n);
        return it == m.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::string> LeseText(const std::string& n) override { return Lies(m_texte, n); }
    std::optional<std::uint32_t> LeseZahl(const std::string& n) override { return Lies(m_zahlen, n); }
    bool SchreibeText(const std::string& n, const std::string& w) override { return m_texte[n] = w, true; }
    bool SchreibeZahl(const std::string& n, std::uint32_t w) override { return m_zahlen[n] = w, true; }
    std::optional<std::string> PersoenlicherOrdner(bool& offen) override {
        offen = m_bOrdnerSchluessel;
        return m_bOrdnerSchluessel ? m_persoenlich : std::nullopt;
    }
    std::string Laufwerkswurzel() override { return "/wurzel/"; }
    std::string ProgrammOrdner() override { return "/programm"; }
};

struct Meldung {
    std::string text;
    std::string titel;
    Knoepfe knoepfe;
};

class MeldungsRekorder : public Meldungen {
public:
    std::vector<Meldung> m_gezeigt;
    std::deque<Antwort> m_antworten; // answered in order; Ok/Nein when empty

    Antwort Zeige(const std::string& text, const std::string& titel, Knoepfe k) override {
        m_gezeigt.push_back({text, titel, k});
        if (m_antworten.empty()) return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
        const Antwort a = m_antworten.front();
        m_antworten.pop_front();
        return a;
    }
    // All texts shown, each followed by "\n".
    std::string Texte() const {
        std::string s;
        for (const Meldung& m : m_gezeigt) s += m.text + "\n";
        return s;
    }
};

// Installs a fixed clock for the lifetime of the object.
class UhrFixiert {
public:
    explicit UhrFixiert(CTime jetzt) : m_uhr(jetzt) { SetzeUhr(&m_uhr); }
    ~UhrFixiert() { SetzeUhr(nullptr); }
    FesteUhr& uhr() { return m_uhr; }

private:
    FesteUhr m_uhr;
};

// A resource record as resource management would hold it.
inline std::unique_ptr<CRessource> NeueRessource(std::string b1, std::string b2 = {}, std::string gruppe = {},
                                                 std::string nr = {}, bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = std::move(b1);
    r->m_strBenennung2 = std::move(b2);
    r->m_strGruppe = std::move(gruppe);
    r->m_strIdentNr = std::move(nr);
    r->m_bGeloescht = geloescht;
    return r;
}

// The same, appended to a list.
inline CRessource& Neu(RessourcenListe& l, std::string b1, std::string b2 = {}, std::string gruppe = {},
                       std::string nr = {}, bool geloescht = false) {
    l.push_back(NeueRessource(std::move(b1), std::move(b2), std::move(gruppe), std::move(nr), geloescht));
    return *l.back();
}

// An entry appended as stored, without the half-day rules, so a date may occur twice.
inline void Anhaengen(CRessource& r, CTime datum, int vm, int nm, std::string notiz = {},
                      CTime geaendert = CTime(1)) {
    r.m_pTage.Anhaengen(datum.GetMonth(), datum.GetDay(), {geaendert, vm, nm, datum, std::move(notiz)});
}

// The plan as stored in a database file.
inline RessourcenListe AufPlatte(const std::string& datei) {
    RessourcenListe liste;
    EXPECT_FALSE(DatenbankLaden(datei, liste).has_value()) << datei;
    return liste;
}

// Both halves of each day's entry as "vm/nm ", "- " for a day without one.
inline std::string Haelften(const CRessource& r, std::initializer_list<CTime> tage) {
    std::string s;
    for (const CTime& tag : tage) {
        const CTagEintrag* e = r.FindeTag(tag);
        s += e ? std::to_string(e->m_nArtVormittag) + "/" + std::to_string(e->m_nArtNachmittag) + " " : "- ";
    }
    return s;
}

// Bytes from a list of values, for byte-layout expectations.
inline std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int v : b) s.push_back(static_cast<char>(v));
    return s;
}

// One program instance on a shared database: document, the frame's flag, a view recording rebuilds
// and titles, and its sync state.
struct Instanz : AbgleichAnzeige {
    MeldungsRekorder meldungen;
    CUrlaubDoc doc{meldungen};
    bool bAbgleichOffen = false;
    int m_nAufbauten = 0;
    std::vector<std::string> m_titel;
    std::string strDatei;
    Abgleich abgleich;

    Instanz(const std::string& datei, const std::string& stempel)
        : strDatei(datei), abgleich(doc, strDatei, stempel, bAbgleichOffen, *this) {}
    void AnzeigeAufbauen() override { ++m_nAufbauten; }
    void SetzeTitel(const std::string& titel) override { m_titel.push_back(titel); }
    CRessource* Finde(const std::string& b1) {
        for (auto& r : doc.m_pRessourcen)
            if (r->m_strBenennung1 == b1) return r.get();
        return nullptr;
    }
    // A drag over one whole day of 2025 and the sync that follows it.
    AbgleichStand Markiere(const std::string& b1, int m, int t, int art) {
        MarkierungUebernehmen(nullptr, Finde(b1), Um(2025, m, t, 9), Um(2025, m, t, 21), art, Jetzt(), &doc.m_basis);
        return abgleich.Abgleichen(false);
    }
};

// A database and its stamp in a temporary folder, a fixed clock, and instances started on them.
class GeteilteDatenbank : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat", stempel = t / "Ressource.d";
    UhrFixiert uhr{Um(2025, 6, 2, 12)};

    void Stempel(const std::string& inhalt) { DateiSchreibenTest(stempel, inhalt); }
    std::string Stempel() const { return DateiInhalt(stempel); }
    void Weiter() { uhr.uhr().Vorstellen(10); }
    // Resources "B1" or "B1,B2", changed long ago.
    void DatenbankMit(std::initializer_list<std::string> namen) {
        RessourcenListe liste;
        for (const auto& n : namen) {
            const auto komma = n.find(',');
            Neu(liste, n.substr(0, komma), komma == std::string::npos ? "" : n.substr(komma + 1)).m_timeGeaendert =
                CTime(1000);
        }
        DateiSchreibenTest(datei, DatenbankSchreiben(liste));
    }
    template <class I = Instanz> std::unique_ptr<I> Starten() {
        auto i = std::make_unique<I>(datei, stempel);
        EXPECT_TRUE(i->abgleich.ErstesLaden());
        return i;
    }
    // The database and stamp, and a first instance started on them.
    template <class I = Instanz>
    std::unique_ptr<I> Anfang(std::initializer_list<std::string> namen, const std::string& inhalt) {
        DatenbankMit(namen);
        Stempel(inhalt);
        return Starten<I>();
    }
};

} // namespace kalvora::test
