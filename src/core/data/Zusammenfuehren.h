#pragma once
#include "data/AenderungsBasis.h"
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
//
// With a `basis` (the days this instance changed since it last read or wrote the file, as they
// were then) a day on both sides merges three-way instead: a day this instance did not change
// takes the disk's state whatever the times say (only the other side can have changed it); a
// changed day takes, half by half and for the note, the side that differs from the base, and
// where both do, the later change time; its change time becomes the later of the two. Afterwards
// the base holds the disk's state of each recorded day, since that file is now the last one read.
void Zusammenfuehren(RessourcenListe& arbeit, RessourcenListe& geladen, CTime jetzt,
                     AenderungsBasis* basis = nullptr);

} // namespace kalvora
