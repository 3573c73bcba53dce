#include "view/Verwaltung.h"

#include <algorithm>

#include "data/Einfuegen.h"

namespace kalvora {

std::vector<std::string> ListenTexte(const RessourcenListe& liste) {
    std::vector<std::string> texte;
    for (const auto& r : liste)
        if (!r->m_bGeloescht) texte.push_back(r->m_strBenennung1 + ", " + r->m_strBenennung2);
    return texte;
}

CRessource* RessourceAufZeile(RessourcenListe& liste, int zeile) {
    if (zeile < 0) return nullptr;
    int n = 0;
    for (const auto& r : liste) {
        if (r->m_bGeloescht) continue;
        if (n++ == zeile) return r.get();
    }
    return nullptr;
}

void RessourceAendern(CRessource& ressource, std::string benennung1, std::string benennung2,
                      std::string gruppe, std::string identNr, CTime jetzt) {
    ressource.m_strBenennung1 = std::move(benennung1);
    ressource.m_strBenennung2 = std::move(benennung2);
    ressource.m_strGruppe = std::move(gruppe);
    ressource.m_strIdentNr = std::move(identNr);
    ressource.m_timeGeaendert = jetzt;
}

void RessourceLoeschen(CRessource& ressource, CTime jetzt) {
    ressource.m_bGeloescht = true;
    ressource.m_timeGeaendert = jetzt;
}

KopierErgebnis RessourceKopieren(RessourcenListe& liste, const CRessource& quelle,
                                 const std::string& benennung1, const std::string& benennung2,
                                 const std::string& gruppe, const std::string& identNr, CTime jetzt) {
    if (benennung1 == quelle.m_strBenennung1 && benennung2 == quelle.m_strBenennung2 &&
        identNr == quelle.m_strIdentNr)
        return KopierErgebnis::IdentitaetUnveraendert;
    const bool vorhanden = std::any_of(liste.begin(), liste.end(), [&](const auto& r) {
        return !r->m_bGeloescht && r->m_strBenennung1 == benennung1 && r->m_strBenennung2 == benennung2 &&
               r->m_strIdentNr == identNr;
    });
    if (vorhanden) return KopierErgebnis::ExistiertBereits;
    // The records are held by pointer, so `quelle` stays valid while the list grows.
    CRessource& neu = EinfuegenSortiert(liste, benennung1, benennung2, gruppe, identNr, jetzt);
    std::vector<TagTabelle::Neu> kopien;
    kopien.reserve(quelle.AnzahlEintraege());
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d)
            for (const CTagEintrag& e : quelle.Slot(m, d)) kopien.push_back({TagTabelle::SlotVon(m, d), e});
    neu.m_pTage.AnhaengenAlle(std::move(kopien));
    return KopierErgebnis::Kopiert;
}

std::string LoeschFrage(const CRessource& ressource) {
    return "Ressource " + ressource.m_strBenennung1 + ", " + ressource.m_strBenennung2 +
           " wirklich l\xF6schen?";
}

InfoZeilen InfoZeilenVon(const CRessource* ressource) {
    if (!ressource) return {"-", "-", "-"};
    return {ressource->m_strBenennung1 + ", " + ressource->m_strBenennung2,
            "Gruppe: " + ressource->m_strGruppe, "Identifikations-Nr.: " + ressource->m_strIdentNr};
}

std::string JahresUeberschrift(const std::string& zeile1, const std::string& zeile2) {
    if (zeile2 == "Gruppe: ") return zeile1 + " - ";
    return zeile1 + " - " + zeile2 + " - ";
}

int JahrZurueck(int jahr) {
    return jahr > 1971 ? jahr - 1 : jahr;
}
int JahrVor(int jahr) {
    return jahr < 2036 ? jahr + 1 : jahr;
}

bool GruppeVorhanden(const RessourcenListe& liste, const std::string& gruppe) {
    return std::any_of(liste.begin(), liste.end(),
                       [&](const auto& r) { return !r->m_bGeloescht && r->m_strGruppe == gruppe; });
}

bool VerwaltungAbschliessen(RessourcenListe& arbeitsliste, RessourcenListe kopie, std::string& strAbteilung) {
    const bool zurueckgesetzt = !GruppeVorhanden(kopie, strAbteilung);
    if (zurueckgesetzt) strAbteilung.clear();
    ListeFreigeben(arbeitsliste);
    arbeitsliste = std::move(kopie);
    return zurueckgesetzt;
}

} // namespace kalvora
