#pragma once
#include <QString>

namespace kalvora {

// Writes the German quick-start guide shipped in the resources as an A4 PDF.
bool QuickStartSchreiben(const QString& pfad);

} // namespace kalvora
