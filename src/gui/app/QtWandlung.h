#pragma once
#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "view/EintragsartTabelle.h"

// The one place where core values become Qt values and back.
namespace kalvora {

// Windows-1252 bytes of the core to a QString; every byte has a character.
QString TextAusCp1252(std::string_view cp1252);
// A QString to Windows-1252; nullopt when a character has no place in that code page.
std::optional<std::string> Cp1252AusText(const QString& text);
// True when the text can be stored as a meaning: 1252 only, no control characters.
bool IstSpeicherbarerText(const QString& text);

// File paths of the core are UTF-8.
QString TextAusPfad(const std::string& utf8);
std::string PfadAusText(const QString& text);

QColor QFarbe(COLORREF farbe);

COLORREF Colorref(const QColor& farbe);

// Registers the icons and texts compiled into the program (needed once, from a static library).
void RessourcenEinbinden();

} // namespace kalvora
