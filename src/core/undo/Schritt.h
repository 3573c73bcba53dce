#pragma once
#include <string>
#include <vector>

#include "data/AenderungsBasis.h"
#include "data/Ressource.h"
#include "view/Markierung.h"

namespace kalvora {

// Parts of a day a step changed, as bits.
enum TagTeil : unsigned { kTeilVormittag = 1, kTeilNachmittag = 2, kTeilNotiz = 4 };

// A day as the plan shows it; a day without an entry counts as two empty halves without a note.
struct TagInhalt {
    int m_nVormittag = 0;
    int m_nNachmittag = 0;
    std::string m_strNotiz;

    static TagInhalt Von(const CTagEintrag* e);
    bool operator==(const TagInhalt&) const = default;
};

// One day of a step: the resource by identity (a sync may move or replace its record), the day,
// the parts the step changed and the day before and after the step.
struct TagAenderung {
    RessourcenKennung m_kennung;
    CTime m_timeDatum; // 09:00 local of the day
    unsigned m_nTeile = 0;
    TagInhalt m_vorher;
    TagInhalt m_nachher;
};

// One undoable action: all days of one drag, or the day of one note.
using Schritt = std::vector<TagAenderung>;

// The step of a drag about to be written on `pArbeit`: every half day from the earlier to the later
// instant gets `nArt`. Halves that already have it are no change and are left out, and so are
// days without any; no record, no step.
Schritt MarkierSchritt(const CRessource* pArbeit, CTime start, CTime ende, int nArt);

// The step of a note changed on the day of `datum`, or an empty one when the text stayed.
Schritt NotizSchritt(const CRessource& r, CTime datum, const std::string& strVorher);

struct Anwendung {
    Schritt m_geschrieben; // the days written, to be undone or redone again
    Schritt m_ausgelassen; // the days left alone
};

// Undo (`bZurueck`) or redo of a step, run with the file just loaded under the lock: a day whose
// changed parts in `datei` are no longer what the step left there (undo) or what the undo left
// there (redo) belongs to a later writer and is left alone, as is a day whose resource is gone.
// The other days get the parts back on the live working record, with change time `jetzt`, each
// day first noted in `basis` so that the merge takes it as this instance's change.
Anwendung SchrittAnwenden(const Schritt& schritt, bool bZurueck, const RessourcenListe& datei,
                          RessourcenListe& arbeit, CTime jetzt, AenderungsBasis* basis);

// The one message naming the days an undo or redo left alone, resource by resource, runs of days
// joined ("03.06.2025 bis 05.06.2025"); empty when there are none. UTF-8.
std::string AusgelassenText(const Schritt& ausgelassen, bool bZurueck);

} // namespace kalvora
