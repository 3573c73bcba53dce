#include "print/DruckBild.h"

#include <QPainter>

#include "app/QtWandlung.h"
#include "calendar/Feiertage.h"
#include "dialogs/JahresFeld.h"
#include "print/DruckLayout.h"
#include "view/Band.h"
#include "view/Farbschema.h"
#include "view/KopfZelle.h"
#include "view/Zelle.h"

using namespace kalvora;

namespace {

Datum DatumVon(CTime t) {
    const LokaleZeit l = t.Lokal();
    return {l.jahr, l.monat, l.tag};
}

void BaenderZeichnen(QPainter& dc, const CRessource& r, const DruckSpalte& sp, const Rechteck& zelle,
                     const EintragsartTabelle& arten, const CFarbschema& schema) {
    const Datum& d = sp.m_datum;
    CZelle band;
    for (const CTagEintrag& e : r.Slot(d.monat, d.tag)) {
        if (!LiegtAmTag(e.m_timeDatum, sp)) continue;
        for (const Band& b : BaenderEinesTages(e, zelle, arten, schema)) {
            band.SetRechteck(b.m_rect);
            band.SetFarben(b.m_farben.m_nFuellung, schema.C(7), schema.C(6), schema.C(5));
            band.Zeichnen(dc);
        }
    }
}

} // namespace

void DruckseiteZeichnen(QPainter& dc, const QRect& seite, const DruckAuftrag& auftrag) {
    if (!dc.isActive()) return;
    DruckEingabe e;
    e.m_seite = {seite.left(), seite.top(), seite.left() + seite.width(), seite.top() + seite.height()};
    e.m_von = DatumVon(auftrag.m_timeVon);
    e.m_bis = DatumVon(auftrag.m_timeBis);
    e.m_nAnzahl = auftrag.m_nAnzahl;
    e.m_nZeilen = static_cast<int>(std::min(auftrag.m_zeilen.size(), auftrag.m_namen.size()));
    const CFeiertage feiertage(auftrag.m_arten.m_nRegion);
    const DruckSeite s = DruckSeiteAnordnen(e, feiertage);
    if (s.IstLeer()) return;

    CFarbschema schema;
    schema.SetFarbschema(auftrag.m_nFarbschema);

    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setPen(Qt::NoPen);

    // Cell fonts keep the proportion to the cell that they have on screen, whatever the resolution.
    CZelle zelle;
    zelle.SetRechteck(s.m_ecke);
    zelle.SetFarben(schema.Ecke());
    zelle.Zeichnen(dc);

    zelle.SetFarben(schema.Name());
    zelle.SetKuerzen(true);
    for (std::size_t i = 0; i < s.m_namen.size(); ++i) {
        zelle.SetRechteck(s.m_namen[i]);
        zelle.SetText(TextAusCp1252(auftrag.m_namen[i]));
        zelle.Zeichnen(dc);
    }
    zelle.SetKuerzen(false);

    CKopfZelle kopf;
    kopf.SetFarben(schema.MonatsKopf());
    for (const DruckMonat& m : s.m_monate) {
        kopf.SetRechteck(m.m_rect);
        kopf.SetTexte(TextAusCp1252(m.m_strJahr), TextAusCp1252(m.m_strMonat), false);
        kopf.Zeichnen(dc);
    }

    for (std::size_t j = 0; j < s.m_spalten.size(); ++j) {
        const DruckSpalte& sp = s.m_spalten[j];
        const TagesArt art = sp.m_bFrei ? TagesArt::Frei : TagesArt::Werktag;
        kopf.SetRechteck(sp.m_kopf);
        kopf.SetFarben(schema.TagesKopf(art));
        kopf.SetTexte(TextAusCp1252(sp.m_strTag), TextAusCp1252(sp.m_strWochentag), sp.m_bSchulferien);
        kopf.Zeichnen(dc);

        zelle.SetFarben(schema.Tageszelle(art));
        zelle.SetText(TextAusCp1252(sp.m_strKalenderwoche));
        for (std::size_t i = 0; i < s.m_zeilenOben.size(); ++i) {
            const Rechteck r = s.Tageszelle(j, i);
            zelle.SetRechteck(r);
            zelle.Zeichnen(dc);
            BaenderZeichnen(dc, *auftrag.m_zeilen[i], sp, r, auftrag.m_arten, schema);
        }
    }

    for (int j = 1; j <= kAnzahlArten; ++j) {
        const auto k = static_cast<std::size_t>(j);
        zelle.SetRechteck(s.m_legende[k - 1]);
        zelle.SetFarben(auftrag.m_arten.m_nFarbe[k], schema.C(7), schema.C(6), schema.C(5));
        zelle.SetText(QStringLiteral("  ") + TextAusCp1252(auftrag.m_arten.m_strBedeutung[k]));
        zelle.Zeichnen(dc);
    }
    dc.restore();
}

void JahresUebersichtDrucken(QPainter& dc, const QRect& seite, const CJahresFeld& feld) {
    if (!dc.isActive()) return;
    const Flaeche f = JahresDruckFlaeche(seite.left() + seite.width(), seite.top() + seite.height());
    if (f.breite <= 0 || f.hoehe <= 0) return;
    dc.save();
    feld.Zeichnen(dc, true, QSize(f.breite, f.hoehe));
    dc.restore();
}
