#include "view/Anzeige.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace kalvora {
namespace {

// Per Windows-1252 byte: the base letter(s) without case and accent (null = the byte itself),
// and the lower-case byte.
struct Faltung {
    std::array<const char*, 256> basis{};
    std::array<unsigned char, 256> klein{};
};

constexpr Faltung FaltungBauen() {
    Faltung f;
    for (int i = 0; i < 256; ++i) f.klein[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    auto paar = [&f](int gross, int kleinb, const char* basis) {
        f.klein[static_cast<std::size_t>(gross)] = static_cast<unsigned char>(kleinb);
        f.basis[static_cast<std::size_t>(gross)] = basis;
        f.basis[static_cast<std::size_t>(kleinb)] = basis;
    };
    constexpr const char* kBuchstaben[26] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                             "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    for (int i = 0; i < 26; ++i) paar('A' + i, 'a' + i, kBuchstaben[i]);
    paar(0x8A, 0x9A, "s");  // Š š
    paar(0x8C, 0x9C, "oe"); // Œ œ
    paar(0x8E, 0x9E, "z");  // Ž ž
    paar(0x9F, 0xFF, "y");  // Ÿ ÿ
    // À..Þ pair with à..þ, except × / ÷.
    constexpr const char* kLatin1[31] = {"a", "a", "a", "a", "a",  "a", "ae", "c", "e", "e", "e",
                                         "e", "i", "i", "i", "i",  "d", "n",  "o", "o", "o", "o",
                                         "o", nullptr, "o", "u", "u", "u", "u", "y", "th"};
    for (int i = 0; i < 31; ++i)
        if (kLatin1[i]) paar(0xC0 + i, 0xE0 + i, kLatin1[i]);
    f.basis[0xDF] = "ss"; // ß has no upper case here
    return f;
}

constexpr Faltung kFaltung = FaltungBauen();

std::string Label(const CRessource& r, bool bAlpha) {
    std::string s;
    s.reserve(r.m_strGruppe.size() + r.m_strBenennung1.size() + r.m_strBenennung2.size() + 4);
    if (!bAlpha && !r.m_strGruppe.empty()) s.append(r.m_strGruppe).append(": ");
    s.append(r.m_strBenennung1).append(", ").append(r.m_strBenennung2);
    return s;
}

// Shows the record in the next display row. The list was emptied before the rebuild and is
// filled in sequence, so the smallest free number is always one past its length.
void Zeigen(CRessource& r, const std::string& strAbteilung, bool bAlpha, RessourcenListe& anzeige) {
    r.m_nZeile = 0;
    if (r.m_bGeloescht) return;
    if (!strAbteilung.empty() && r.m_strGruppe != strAbteilung) return;
    auto zeile = std::make_unique<CRessource>();
    zeile->m_strBenennung1 = Label(r, bAlpha);
    zeile->m_nZeile = static_cast<int>(anzeige.size()) + 1;
    r.m_nZeile = zeile->m_nZeile;
    TageAnzeigen(r, *zeile);
    anzeige.push_back(std::move(zeile));
}

} // namespace

TextSchluessel TextSchluesselBilden(std::string_view text) {
    TextSchluessel k;
    k.m_strBasis.reserve(text.size());
    k.m_strKlein.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (const char* basis = kFaltung.basis[b])
            k.m_strBasis.append(basis);
        else
            k.m_strBasis.push_back(c);
        k.m_strKlein.push_back(static_cast<char>(kFaltung.klein[b]));
    }
    k.m_strRoh.assign(text);
    return k;
}

int TextVergleich(std::string_view a, std::string_view b) {
    const auto o = TextSchluesselBilden(a) <=> TextSchluesselBilden(b);
    return o < 0 ? -1 : o > 0 ? 1 : 0;
}

std::string Sortierschluessel(const CRessource& r) {
    return r.m_strGruppe + r.m_strBenennung1 + r.m_strBenennung2 + r.m_strIdentNr;
}

int AddZeile(RessourcenListe& anzeige, std::string strLabel) {
    auto zeile = std::make_unique<CRessource>();
    zeile->m_strBenennung1 = std::move(strLabel);
    zeile->m_nZeile = FreieZeile(anzeige);
    anzeige.push_back(std::move(zeile));
    return anzeige.back()->m_nZeile;
}

CRessource* ZeileFinden(const RessourcenListe& liste, int nZeile) {
    for (const auto& r : liste)
        if (r->m_nZeile == nZeile) return r.get();
    return nullptr;
}

bool AnzeigeAufbauen(RessourcenListe& arbeit, const std::string& strAbteilung, bool bAlpha,
                     RessourcenListe& anzeige, Meldungen& meldungen) {
    ListeFreigeben(anzeige);
    // A record the rebuild does not reach must not keep pointing at a row of the new list.
    for (auto& r : arbeit) r->m_nZeile = 0;

    if (bAlpha) {
        for (auto& r : arbeit) Zeigen(*r, strAbteilung, bAlpha, anzeige);
        return true;
    }

    // Sort the keys of the live records; each key's position goes to the first live record
    // with that key, so two records with one key leave a position without a record.
    std::vector<std::string> keys(arbeit.size());
    std::vector<TextSchluessel> sortiert;
    sortiert.reserve(arbeit.size());
    for (std::size_t i = 0; i < arbeit.size(); ++i) {
        if (arbeit[i]->m_bGeloescht) continue;
        keys[i] = Sortierschluessel(*arbeit[i]);
        sortiert.push_back(TextSchluesselBilden(keys[i]));
    }
    std::sort(sortiert.begin(), sortiert.end());

    std::unordered_map<std::string_view, CRessource*> erster;
    erster.reserve(sortiert.size());
    for (std::size_t i = 0; i < arbeit.size(); ++i) {
        arbeit[i]->m_nPosition = -1;
        if (!arbeit[i]->m_bGeloescht) erster.try_emplace(keys[i], arbeit[i].get());
    }
    const int n = static_cast<int>(sortiert.size());
    for (int i = 0; i < n; ++i)
        if (auto it = erster.find(sortiert[static_cast<std::size_t>(i)].m_strRoh); it != erster.end())
            it->second->m_nPosition = i;

    std::vector<CRessource*> anPosition(sortiert.size(), nullptr);
    for (const auto& r : arbeit) {
        const int pos = r->m_nPosition;
        if (pos >= 0 && pos < n && !anPosition[static_cast<std::size_t>(pos)])
            anPosition[static_cast<std::size_t>(pos)] = r.get();
    }
    for (CRessource* r : anPosition) {
        if (!r) {
            meldungen.Zeige("Fehler: Ausgabe nach Gruppen", {}, Knoepfe::Ok);
            return false;
        }
        Zeigen(*r, strAbteilung, bAlpha, anzeige);
    }
    return true;
}

bool GruppenFilterPruefen(const RessourcenListe& arbeit, std::string& strAbteilung) {
    if (strAbteilung.empty()) return false;
    const bool vorhanden = std::any_of(arbeit.begin(), arbeit.end(), [&](const auto& r) {
        return !r->m_bGeloescht && r->m_strGruppe == strAbteilung;
    });
    if (vorhanden) return false;
    strAbteilung.clear();
    return true;
}

std::vector<std::string> GruppenAuflisten(const RessourcenListe& arbeit) {
    std::vector<std::string> gruppen;
    for (const auto& r : arbeit)
        if (!r->m_bGeloescht && !r->m_strGruppe.empty()) gruppen.push_back(r->m_strGruppe);
    std::sort(gruppen.begin(), gruppen.end());
    gruppen.erase(std::unique(gruppen.begin(), gruppen.end()), gruppen.end());
    std::stable_sort(gruppen.begin(), gruppen.end(),
                     [](const std::string& a, const std::string& b) { return TextVergleich(a, b) < 0; });
    return gruppen;
}

} // namespace kalvora
