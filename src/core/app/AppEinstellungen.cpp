#include "app/AppEinstellungen.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/Stempel.h"
#include "app/Zeichensatz.h"
#include "data/DateiZugriff.h"

namespace fs = std::filesystem;

namespace kalvora {
namespace {

// Values were read into 255-byte buffers: a longer one could not be read at all.
constexpr std::size_t kTextPuffer = 255;

std::optional<std::string> TextMitPuffer(EinstellungsSpeicher& s, const std::string& name) {
    auto wert = s.LeseText(name);
    if (wert && wert->size() + 1 > kTextPuffer) return std::nullopt;
    return wert;
}

// Drops `n` characters (not bytes) from the end of a UTF-8 path.
std::string OhneLetzteZeichen(const std::string& s, int n) {
    std::size_t ende = s.size();
    for (int i = 0; i < n && ende > 0; ++i) {
        --ende;
        while (ende > 0 && (static_cast<unsigned char>(s[ende]) & 0xC0) == 0x80) --ende;
    }
    return s.substr(0, ende);
}

std::string MitTrenner(std::string ordner) {
    if (ordner.empty() || ordner.back() != fs::path::preferred_separator) ordner += fs::path::preferred_separator;
    return ordner;
}

// A copy carries the time of its source, which the next rotation compares against.
bool KopierenMitZeit(const std::string& von, const std::string& nach) {
    DateiFehler fehler;
    return DateiSicherKopieren(von, nach, fehler);
}

} // namespace

std::string StempelPfad(const std::string& datei) { return OhneLetzteZeichen(datei, 2); }
std::string EintragsartPfad(const std::string& datei) { return OhneLetzteZeichen(datei, 3) + "but"; }
std::string SicherungsBasis(const std::string& datei) {
    const fs::path p(datei);
    const std::string name = p.filename().string();
    return (p.parent_path() / name.substr(0, name.find('.'))).string();
}
std::string SicherungsPfad(const std::string& datei, int nummer) {
    return SicherungsBasis(datei) + ".BK" + std::to_string(nummer);
}
std::string DatenbankPfadAufloesen(const std::string& datei) {
    return datei.empty() ? datei : PfadAufloesen(datei).string();
}

void DatenbankAnlegen(const std::string& datei) {
    std::error_code ec;
    if (fs::exists(datei, ec) || datei.empty()) return;
    std::ofstream(datei, std::ios::binary | std::ios::app);
}

void SicherungenRotieren(const std::string& datei, bool erzwingen) {
    std::error_code ec;
    if (!fs::exists(datei, ec)) return;
    auto bk = [&](int i) { return SicherungsPfad(datei, i); };
    if (!fs::exists(bk(1), ec)) {
        KopierenMitZeit(datei, bk(1));
        return;
    }
    const auto zeitDb = fs::last_write_time(datei, ec);
    if (ec) return;
    const auto zeitBk1 = fs::last_write_time(bk(1), ec);
    if (ec) return;
    if (!erzwingen && zeitDb - zeitBk1 <= std::chrono::seconds(900)) return;
    for (int i = 4; i >= 1; --i) KopierenMitZeit(bk(i), bk(i + 1));
    KopierenMitZeit(datei, bk(1));
}

void DatenbankBeimDurchsuchenAnlegen(const std::string& datei) {
    DatenbankAnlegen(datei);
    std::error_code ec;
    const std::string stempel = StempelPfad(datei);
    if (!fs::exists(stempel, ec)) StempelSchreiben(stempel, {0, 1});
}

bool AppEinstellungen::Starten(EinstellungsSpeicher& speicher, Meldungen& meldungen,
                               const std::string& kommandozeile) {
    m_strDatei.clear();
    m_strStempel.clear();
    m_nFarbschema = 1;
    if (!speicher.Oeffnen()) {
        meldungen.Zeige("Regestry Error", "Duzizavododaror");
        return false;
    }
    std::string pfad = kommandozeile;
    if (pfad.size() >= 2 && pfad.front() == '"' && pfad.back() == '"') pfad = pfad.substr(1, pfad.size() - 2);
    if (!pfad.empty())
        m_strDatei = pfad;
    else if (auto datei = TextMitPuffer(speicher, "Datei"))
        m_strDatei = *datei;
    m_strDatei = DatenbankPfadAufloesen(m_strDatei);
    m_strStempel = StempelPfad(m_strDatei);

    if (auto schema = speicher.LeseZahl("Farbschema")) m_nFarbschema = static_cast<int>(*schema);
    const auto max = speicher.LeseZahl("Max");
    m_bMaximiert = max && *max != 0;
    m_nSpalte1 = 110;
    if (auto spalte = speicher.LeseZahl("Spalte1"); spalte && *spalte < 1000) m_nSpalte1 = static_cast<int>(*spalte);
    m_strAbteilung.clear();
    if (auto abteilung = TextMitPuffer(speicher, "Abteilung"))
        m_strAbteilung = Cp1252AusUtf8(*abteilung).value_or(std::string());
    m_bAlpha = speicher.LeseZahl("Alpha").value_or(1) != 0;

    if (m_strDatei.empty() || StempelErsteZahl(StempelPfad(m_strDatei)) == 99) {
        if (kommandozeile.empty()) {
            bool schluesselOffen = true;
            std::string ordner;
            if (auto persoenlich = speicher.PersoenlicherOrdner(schluesselOffen))
                ordner = MitTrenner(*persoenlich);
            else
                ordner = schluesselOffen ? speicher.Laufwerkswurzel() : MitTrenner(speicher.ProgrammOrdner());
            m_strDatei = DatenbankPfadAufloesen(ordner + "Ressource.dat");
            m_strStempel = StempelPfad(m_strDatei);
            speicher.SchreibeText("Datei", m_strDatei);
        }
        StempelSchreiben(m_strStempel, {0, 0});
    }
    DatenbankAnlegen(m_strDatei);
    SicherungenRotieren(m_strDatei);
    VerwaisteFassungenEntfernen(m_strDatei, std::chrono::minutes(15));
    return true;
}

void AppEinstellungen::Beenden(EinstellungsSpeicher& speicher, Meldungen& meldungen) const {
    if (!speicher.Oeffnen()) {
        meldungen.Zeige("Regestry Error", "Kalvora");
        return;
    }
    speicher.SchreibeZahl("Spalte1", static_cast<std::uint32_t>(m_nSpalte1));
    speicher.SchreibeText("Abteilung", Utf8AusCp1252(m_strAbteilung));
    speicher.SchreibeZahl("Alpha", m_bAlpha ? 1 : 0);
}

std::string AppEinstellungen::DatenbankAusDialog(const std::string& pfad, const std::string& alterPfad,
                                                 EinstellungsSpeicher& speicher, Meldungen& meldungen) {
    m_strDatei = pfad;
    if (pfad != alterPfad) meldungen.Zeige("Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
    if (m_strDatei.size() < 4 || m_strDatei.compare(m_strDatei.size() - 4, 4, ".dat") != 0) m_strDatei += ".dat";
    if (m_strDatei == ".dat" || !StempelErsteZahlLesen(StempelPfad(m_strDatei))) {
        StempelSchreiben(StempelPfad(m_strDatei), {0, 0});
        DatenbankAnlegen(m_strDatei);
    }
    speicher.SchreibeText("Datei", m_strDatei);
    speicher.SchreibeZahl("Farbschema", static_cast<std::uint32_t>(m_nFarbschema));
    return m_strDatei;
}

} // namespace kalvora
