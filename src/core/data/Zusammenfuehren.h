#pragma once
#include "data/Ressource.h"

namespace kalvora {

// Merges the disk copy into the working list by change times, record by record in file order:
// - a resource the working list lacks (identity: Benennung 1, Benennung 2, Identifikations-Nummer)
//   is added with its texts, change time and deleted mark, its days set through SetTag at 09:00
//   and 21:00 (so they carry `jetzt`), and linked in by Benennung 1;
// - an existing resource takes the disk's texts, change time and deleted mark when its own change
//   time is earlier; a day only on disk is added the same way as above; a day on both sides takes
//   the disk's halves, date, change time and note when the disk's change time is later.
// Whatever only the working list has stays. The disk copy's texts and notes are moved out; the
// caller deletes it afterwards.
void Zusammenfuehren(RessourcenListe& arbeit, RessourcenListe& geladen, CTime jetzt);

} // namespace kalvora
