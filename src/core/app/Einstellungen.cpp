#include "app/Einstellungen.h"

#include <variant>
#include <vector>

#include "app/EintragsartDatei.h"
#include "view/Farbschema.h"

namespace kalvora {
namespace {

// Holds the values the path rule stores until the real store has been opened, so that they go
// in after every other step of OK, and not at all when the store is missing.
class GepufferterSpeicher final : public EinstellungsSpeicher {
public:
    bool Oeffnen() override { return true; }
    std::optional<std::string> LeseText(const std::string&) override { return std::nullopt; }
    std::optional<std::uint32_t> LeseZahl(const std::string&) override { return std::nullopt; }
    bool SchreibeText(const std::string& name, const std::string& wert) override {
        m_werte.emplace_back(name, wert);
        return true;
    }
    bool SchreibeZahl(const std::string& name, std::uint32_t wert) override {
        m_werte.emplace_back(name, wert);
        return true;
    }
    std::optional<std::string> PersoenlicherOrdner(bool& ordnerSchluesselOffen) override {
        ordnerSchluesselOffen = false;
        return std::nullopt;
    }
    std::string Laufwerkswurzel() override { return {}; }
    std::string ProgrammOrdner() override { return {}; }

    void Uebertragen(EinstellungsSpeicher& ziel) const {
        for (const auto& [name, wert] : m_werte) {
            if (const auto* text = std::get_if<std::string>(&wert))
                ziel.SchreibeText(name, *text);
            else
                ziel.SchreibeZahl(name, std::get<std::uint32_t>(wert));
        }
    }

private:
    std::vector<std::pair<std::string, std::variant<std::string, std::uint32_t>>> m_werte; // in order
};

} // namespace

Regionen RegionenAusHaken(const Regionen& haken) {
    Regionen r{};
    for (int i = 0; i < kAnzahlLaender; ++i)
        r[static_cast<std::size_t>(i)] = haken[static_cast<std::size_t>(i)] ? 1 : 0;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

std::optional<COLORREF> HeuteKnopfFarbe(int schema) {
    // Today's colour of the scheme.
    const auto farben = FarbenDesSchemas(schema);
    if (!farben) return std::nullopt;
    return (*farben)[2];
}

bool ArtenGeaendert(const EintragsartTabelle& vorher, const EintragsartTabelle& jetzt) {
    for (std::size_t k = 1; k <= kAnzahlArten; ++k) {
        if (vorher.m_strBedeutung[k] != jetzt.m_strBedeutung[k] || vorher.m_nFarbe[k] != jetzt.m_nFarbe[k] ||
            vorher.m_nAusrichtung[k] != jetzt.m_nAusrichtung[k])
            return true;
    }
    return vorher.m_nRegion != jetzt.m_nRegion;
}

void EinstellungenUebernehmen(const EinstellungsWerte& werte, const std::string& alterPfad,
                              AppEinstellungen& app, EintragsartTabelle& tabelle,
                              EinstellungsSpeicher& speicher, Meldungen& meldungen,
                              const std::function<void()>& typTexte) {
    // Without a chosen radio the scheme stays what it was rather than becoming 0.
    if (werte.m_nSchemaIndex >= 0) app.m_nFarbschema = werte.m_nSchemaIndex + 1;
    GepufferterSpeicher puffer;
    // A copy: the caller may pass the application's own path, which changes on the way.
    const std::string alt = alterPfad;
    app.DatenbankAusDialog(werte.m_strDatei, alt, puffer, meldungen);

    for (std::size_t k = 1; k <= kAnzahlArten; ++k)
        tabelle.m_strBedeutung[k] = werte.m_strBedeutung[k];
    if (typTexte) typTexte();
    tabelle.m_nRegion = RegionenAusHaken(werte.m_nHaken);

    if (!speicher.Oeffnen()) {
        meldungen.Zeige("Regestry Error", "Duzizavododaror");
        return;
    }
    puffer.Uebertragen(speicher);
}

bool EintragsartDateiAbgleichen(const EintragsartTabelle& vorher, const EintragsartTabelle& jetzt,
                                const std::string& datei) {
    if (!ArtenGeaendert(vorher, jetzt)) return false;
    // A failed write is absorbed: the table stays in effect for this run.
    return EintragsartDateiSchreiben(EintragsartPfad(datei), jetzt);
}

} // namespace kalvora
