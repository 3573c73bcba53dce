#include "undo/Verlauf.h"

#include <optional>

#include "view/Anzeige.h"

namespace kalvora {
namespace {

void Ablegen(std::deque<Schritt>& stapel, Schritt schritt) {
    stapel.push_back(std::move(schritt));
    if (stapel.size() > Verlauf::kTiefe) stapel.pop_front();
}

} // namespace

void Verlauf::Aufnehmen(Schritt schritt) {
    if (schritt.empty()) return;
    m_vor.clear();
    Ablegen(m_zurueck, std::move(schritt));
}

Schritt Verlauf::Anwenden(bool bZurueck, const RessourcenListe& datei, RessourcenListe& arbeit, CTime jetzt,
                          AenderungsBasis* basis) {
    std::deque<Schritt>& von = bZurueck ? m_zurueck : m_vor;
    if (von.empty()) return {};
    const Schritt schritt = std::move(von.back());
    von.pop_back();
    Anwendung a = SchrittAnwenden(schritt, bZurueck, datei, arbeit, jetzt, basis);
    if (!a.m_geschrieben.empty()) Ablegen(bZurueck ? m_vor : m_zurueck, std::move(a.m_geschrieben));
    return std::move(a.m_ausgelassen);
}

void MarkierenMitVerlauf(Verlauf& verlauf, CRessource* pAnzeige, CRessource* pArbeit, CTime start, CTime ende,
                         int nArt, CTime jetzt, AenderungsBasis* basis) {
    Schritt schritt = MarkierSchritt(pArbeit, start, ende, nArt);
    MarkierungUebernehmen(pAnzeige, pArbeit, start, ende, nArt, jetzt, basis);
    verlauf.Aufnehmen(std::move(schritt));
}

bool NotizMitVerlauf(Verlauf& verlauf, RessourcenListe& arbeit, int nZeile, CTime zeit, Meldungen& meldungen,
                     const NotizDialog& dialog, AenderungsBasis* basis) {
    CRessource* r = ZeileFinden(arbeit, nZeile);
    const CTagEintrag* e = r ? NotizEintrag(*r, zeit) : nullptr;
    if (!e) return NotizBearbeiten(arbeit, nZeile, zeit, meldungen, dialog, basis); // only the message
    const RessourcenKennung kennung = RessourcenKennung::Von(*r);
    const CTime datum = e->m_timeDatum;
    // A sync during the dialog may change the note; the old text is the one OK writes over, read
    // when the dialog ends: nothing runs between that and the write.
    std::string vorher;
    const NotizDialog mitVorher = [&](const std::string& titel, const std::string& notiz) {
        std::optional<std::string> neu = dialog ? dialog(titel, notiz) : std::nullopt;
        const CRessource* ziel = LebendeRessource(arbeit, kennung);
        vorher = TagInhalt::Von(ziel ? ziel->FindeTag(datum) : nullptr).m_strNotiz;
        return neu;
    };
    if (!NotizBearbeiten(arbeit, nZeile, zeit, meldungen, dialog ? mitVorher : NotizDialog{}, basis))
        return false;
    if (const CRessource* ziel = LebendeRessource(arbeit, kennung))
        verlauf.Aufnehmen(NotizSchritt(*ziel, datum, vorher));
    return true;
}

} // namespace kalvora
