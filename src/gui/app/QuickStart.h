#pragma once
#include <QString>

namespace kalvora {

// Writes the German quick-start guide shipped in the resources as an A4 PDF.
bool QuickStartSchreiben(const QString& pfad);

// Where the "QuickStart" command finds the guide: beside the program (build tree, Windows), else in
// the installed tree's share/doc/kalvora; the first when neither has it.
QString QuickStartPfad();

} // namespace kalvora
