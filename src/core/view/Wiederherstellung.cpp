#include "view/Wiederherstellung.h"

#include <cstdio>
#include <system_error>

#include "data/StempelSperre.h"
#include "data/Time.h"

namespace kalvora {

std::string WiederherstellFrage(const std::string& grund, const SicherungsInfo& sicherung) {
    const LokaleZeit z = CTime(static_cast<std::int64_t>(sicherung.zeit)).Lokal();
    char datum[40];
    std::snprintf(datum, sizeof datum, "%02d.%02d.%04d %02d:%02d", z.tag, z.monat, z.jahr, z.stunde, z.minute);
    const std::string anzahl = sicherung.ressourcen == 1 ? std::string("1 Ressource")
                                                         : std::to_string(sicherung.ressourcen) + " Ressourcen";
    return grund + "\nSoll die Sicherung " + sicherung.pfad.filename().string() + " vom " + datum + " mit " +
           anzahl + " wiederhergestellt werden?";
}

std::optional<Wiederherstellung::Angebot> Wiederherstellung::Pruefen(bool bGeladen) {
    std::error_code ec;
    // A loaded file with content needs no second reading: nothing to offer.
    if (bGeladen && std::filesystem::file_size(m_strDatei, ec) != 0 && !ec) {
        m_strAngeboten.clear();
        return std::nullopt;
    }
    const std::optional<std::string> grund = DatenbankBeschaedigt(m_strDatei);
    const std::optional<SicherungsInfo> sicherung = grund ? LadbareSicherung(m_strDatei) : std::nullopt;
    if (!sicherung) {
        m_strAngeboten.clear();
        return std::nullopt;
    }
    // The same reason with the same backup is the same problem, however often the load fails.
    const std::string problem =
        *grund + '\n' + sicherung->pfad.string() + '\n' + std::to_string(static_cast<long long>(sicherung->zeit));
    if (problem == m_strAngeboten) return std::nullopt;
    m_strAngeboten = problem;
    return Angebot{WiederherstellFrage(*grund, *sicherung), *sicherung};
}

bool Wiederherstellung::Anbieten(bool bGeladen, Meldungen& meldungen, const std::filesystem::path* eigeneSperre) {
    const std::optional<Angebot> angebot = Pruefen(bGeladen);
    if (!angebot || meldungen.Zeige(angebot->m_strFrage, {}, Knoepfe::JaNein) != Antwort::Ja) return false;
    if (eigeneSperre)
        if (const auto stempel = StempelGeschuetztLesen(*eigeneSperre); stempel && stempel->sperre != 0)
            SperreFreigeben(*eigeneSperre, stempel->zaehler);
    std::string fehler;
    if (!SicherungWiederherstellen(m_strDatei, angebot->m_sicherung.pfad, fehler)) {
        meldungen.Zeige("Die Sicherung wurde nicht wiederhergestellt. " + fehler);
        return false;
    }
    return true;
}

} // namespace kalvora
