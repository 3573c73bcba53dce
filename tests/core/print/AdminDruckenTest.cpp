// kalvora-admin drucken as a real process on a database built with anlegen and markieren.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "TestHilfen.h"
#include "data/AdminProzess.h"

using namespace kalvora::test;

namespace {

class AdminDrucken : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat";
    std::string pdf = t / "plan.pdf";

    void SetUp() override {
        KALVORA_ADMIN_NOETIG();
        // A tool built without the Qt layer has no "drucken".
        if (AdminAufrufen({"--help"}, t.pfad()).out.find("drucken") == std::string::npos)
            GTEST_SKIP() << "kalvora-admin ohne drucken gebaut";
        DateiSchreibenTest(datei, "");
        for (const auto& [b1, gruppe] : {std::pair{"Wolf", "Service"}, {"Becker", "Entwicklung"}, {"Braun", "Service"}})
            ASSERT_EQ(Aufruf({"anlegen", "--b1", b1, "--b2", "X", "--gruppe", gruppe}).rc, 0);
        ASSERT_EQ(Aufruf({"markieren", "--b1", "Wolf", "--b2", "X", "--von", "2025-03-10", "--bis", "2025-03-14", "--art", "1"}).rc, 0);
    }
    AdminErgebnis Aufruf(std::vector<std::string> args) {
        args.insert(args.begin() + 1, datei);
        return AdminAufrufen(args, t.pfad());
    }
    AdminErgebnis Drucken(std::vector<std::string> mehr) {
        std::vector<std::string> args{"drucken", "--pdf", pdf};
        args.insert(args.end(), mehr.begin(), mehr.end());
        return Aufruf(args);
    }
};

} // namespace

TEST_F(AdminDrucken, EineSeiteJeGruppeOderAlle) {
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--von", "2025-03-01", "--bis", "2025-03-01", "--gruppe", "Service", "--nach-gruppen", "--schema", "5"},
         "(2 Ressourcen, 1 Tag)"},
        // The longest period the dialog lets through, with other holiday regions.
        {{"--von", "2025-01-01", "--bis", "2026-02-05", "--regionen", "2,24"}, "(3 Ressourcen, 401 Tage)"},
    };
    for (const auto& [args, ausgabe] : faelle) {
        std::filesystem::remove(pdf);
        const AdminErgebnis e = Drucken(args);
        ASSERT_EQ(e.rc, 0) << e.err;
        EXPECT_EQ(e.out, "PDF geschrieben: " + pdf + " " + ausgabe + "\n");
        const std::string inhalt = DateiInhalt(pdf);
        EXPECT_TRUE(inhalt.starts_with("%PDF"));
        EXPECT_NE(inhalt.find("/Count 1"), std::string::npos); // exactly one page
    }
}

TEST_F(AdminDrucken, PruefungenWieImDialogUndFalscheAngaben) {
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--von", "2025-01-01", "--bis", "2026-02-06"},
         "Fehler: Maximal kann nur 1 Jahr ausgedruckt werden! Überprüfen Sie bitte die Datumseingabe!\n"},
        {{"--von", "2025-03-01", "--bis", "2025-03-31", "--gruppe", "Lager"}, "Fehler: Kein Mitarbeiter ausgewählt!\n"},
        {{"--von", "2025-03-31", "--bis", "2025-03-01"}, "Fehler: --bis liegt vor --von\n"},
        {{"--von", "2025-02-30", "--bis", "2025-03-01"}, "ungültiges Datum \"2025-02-30\" bei --von"},
        {{"--von", "2025-03-01", "--bis", "2025-03-31", "--schema", "6"}, "ungültiges Farbschema \"6\""},
    };
    for (const auto& [args, meldung] : faelle) {
        const AdminErgebnis e = Drucken(args);
        EXPECT_EQ(e.rc, 1) << meldung;
        EXPECT_NE(e.err.find(meldung), std::string::npos) << e.err;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}
