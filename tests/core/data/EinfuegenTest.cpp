// "Neu" in resource management: a new record linked in by its key.
#include <gtest/gtest.h>

#include <vector>

#include "data/Einfuegen.h"

using namespace kalvora;

namespace {

void Anhaengen(RessourcenListe& liste, const std::string& b1, const std::string& b2, const std::string& nr,
               bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    r->m_strBenennung2 = b2;
    r->m_strIdentNr = nr;
    r->m_bGeloescht = geloescht;
    liste.push_back(std::move(r));
}

std::string Reihe(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + "/" + r->m_strBenennung2 + "/" + r->m_strIdentNr +
             (r->m_strGruppe.empty() ? "" : "@" + r->m_strGruppe);
    return s;
}

struct Satz {
    const char *b1, *b2 = "", *nr = "";
    bool geloescht = false;
};

TEST(EinfuegenSortiert, StelleNachDemVerkettetenSchluessel) {
    const struct {
        std::vector<Satz> vorher;
        Satz neu;
        const char* erwartet;
    } faelle[] = {
        // The key is b1 + b2 + nr without separator: "Abd" goes between, though "A" < "Ab".
        {{{"Ab", "c"}, {"A", "bz"}}, {"A", "bd"}, "Ab/c/ A/bd/@x A/bz/"},
        {{{"Abc"}}, {"Abc", "", "1"}, "Abc// Abc//1@x"},
        // Before an equal key, also an equal head, and deleted records count.
        {{{"B"}, {.b1 = "D", .geloescht = true}, {"F"}}, {"D"}, "B// D//@x D// F//"},
        {{{"B"}}, {"B"}, "B//@x B//"},
        {{{"B"}}, {"Z"}, "B// Z//@x"},
        // Unsigned bytes, upper case before lower.
        {{{"Zorn"}, {"\xC4rger"}}, {"zorn"}, "Zorn// zorn//@x \xC4rger//"},
        // Unsorted: before the first record that is not smaller.
        {{{"C"}, {"A"}}, {"B"}, "B//@x C// A//"},
    };
    for (const auto& f : faelle) {
        RessourcenListe liste;
        for (const Satz& v : f.vorher)
            Anhaengen(liste, v.b1, v.b2, v.nr, v.geloescht);
        EinfuegenSortiert(liste, f.neu.b1, f.neu.b2, "x", f.neu.nr, CTime(1));
        EXPECT_EQ(Reihe(liste), f.erwartet);
    }
}

} // namespace
