#include "data/Abgleich.h"

#include "app/Uhr.h"
#include "data/StempelSperre.h"
#include "data/Zusammenfuehren.h"

namespace kalvora {

namespace {

constexpr int kStaleTakte = 6; // more ticks than this without a free stamp break the lock

} // namespace

Abgleich::Abgleich(CUrlaubDoc& doc, const std::string& strDatei, std::filesystem::path strStempel,
                   bool& bAbgleichOffen, AbgleichAnzeige& anzeige)
    : m_doc(doc), m_strDatei(strDatei), m_strStempel(std::move(strStempel)), m_bAbgleichOffen(bAbgleichOffen),
      m_anzeige(anzeige) {
    if (const auto zaehler = StempelVorbereiten(m_strStempel)) m_nLokalZaehler = *zaehler;
}

bool Abgleich::ErstesLaden() {
    const bool geladen = m_doc.ErstesLaden(m_strDatei);
    m_doc.m_basis.Leeren();
    m_anzeige.AnzeigeAufbauen();
    return geladen;
}

AbgleichStand Abgleich::Abgleichen(bool bNurLaden) {
    return Abgleichen(bNurLaden, {});
}

AbgleichStand Abgleich::Abgleichen(bool bNurLaden, const VorDemZusammenfuehren& vorher) {
    m_bAbgleichOffen = true;

    // A stamp that exists but holds no two numbers counts as taken, never as free: nobody can
    // tell what it guards. The stale-lock rule of the tick rewrites it after 7 ticks.
    const SperrErgebnis sperre = SperreNehmen(m_strStempel);
    if (sperre.stand == SperrStand::Unlesbar || sperre.stand == SperrStand::Belegt)
        return AbgleichStand::StempelBelegt;
    if (sperre.stand == SperrStand::Verloren) return AbgleichStand::SperreVerloren;

    // From here the stamp lock is ours. A failed open keeps it, so every instance waits for the
    // stale-lock rule instead of saving over a file it cannot read.
    if (!m_doc.OnOpenDocument(m_strDatei)) return AbgleichStand::LadenFehlgeschlagen;
    if (vorher) vorher(m_doc.m_pGeladen);

    Zusammenfuehren(m_doc.m_pRessourcen, m_doc.m_pGeladen, Jetzt(), &m_doc.m_basis);
    ListeFreigeben(m_doc.m_pGeladen);
    const bool eigeneAenderungen = !bNurLaden || !m_doc.m_basis.Leer();

    int c = sperre.stempel.zaehler;
    const int neu = bNurLaden ? c : ZaehlerErhoehen(c);

    // The save has reached the disk (fsync, rename) before the lock is given back below. A failed
    // save left the file as it was, so the counter stays and nobody reloads.
    const bool gespeichert = m_doc.OnSaveDocument(m_strDatei, !m_bNichtGespeichert);
    m_bNichtGespeichert = !gespeichert;
    if (gespeichert) {
        c = neu;
        m_doc.m_basis.Leeren();
    }
    m_nLokalZaehler = c;
    m_anzeige.AnzeigeAufbauen();
    m_bAbgleichOffen = !gespeichert && eigeneAenderungen;
    SperreFreigeben(m_strStempel, c);
    if (m_bDiagnose)
        m_anzeige.SetzeTitel("Lokal: " + std::to_string(m_nLokalZaehler) + " / HD: " + std::to_string(c) +
                             " Gespeichert!");
    return gespeichert ? AbgleichStand::Fertig : AbgleichStand::NichtGespeichert;
}

std::optional<AbgleichStand> Abgleich::Takt() {
    if (m_bDiagnose) m_anzeige.SetzeTitel("******************** TIMER ********************");
    if (++m_nWarteTakte > kStaleTakte) SperreFreigeben(m_strStempel, m_nLokalZaehler);
    if (m_bAbgleichOffen) return Abgleichen(false);

    const auto stempel = StempelGeschuetztLesen(m_strStempel);
    if (!stempel || stempel->sperre != 0) return std::nullopt;
    if (m_bDiagnose)
        m_anzeige.SetzeTitel("Lokal: " + std::to_string(m_nLokalZaehler) +
                             " / HD: " + std::to_string(stempel->zaehler));
    std::optional<AbgleichStand> stand;
    if (stempel->zaehler != m_nLokalZaehler) stand = Abgleichen(true);
    // Only a tick that reads the stamp free starts the count again. A tick that ran a pending
    // save returned before this, so when that save followed a broken lock, the next tick
    // rewrites the stamp once more with this instance's counter.
    m_nWarteTakte = 0;
    return stand;
}

} // namespace kalvora
