#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "TestHilfen.h"
#include "data/AdminProzess.h"

using kalvora::test::AdminErgebnis;

namespace {

AdminErgebnis Kalender(const std::string& argumente) {
    std::vector<std::string> args{"kalender"};
    std::istringstream in(argumente);
    for (std::string a; in >> a;) args.push_back(a);
    const kalvora::test::TempOrdner ordner;
    return kalvora::test::AdminAufrufen(args, ordner.pfad());
}

} // namespace

TEST(AdminKalenderTest, PrintsEveryDay) {
    KALVORA_ADMIN_NOETIG();
    const AdminErgebnis e = Kalender("2024 --regionen 2,24");
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(std::count(e.out.begin(), e.out.end(), '\n'), 366);
    for (const char* zeile : {"2024-01-01 MO 1 F S\n", "2024-01-02 DI 2 - S\n", "2024-09-10 DI 38 - -\n",
                              "2024-11-20 MI 48 - S\n", "2024-12-31 DI 54 - S\n"})
        EXPECT_NE(e.out.find(zeile), std::string::npos) << zeile;

    // The same selection as flags; flags are taken as they are, without deriving.
    EXPECT_EQ(Kalender("2024 --flags 001000000000000000000000111").out, e.out);
    const std::string deutschland = Kalender("2017 --flags 000000000000000000000000010").out;
    EXPECT_EQ(deutschland.substr(0, 20), "2017-01-01 SO 0 F -\n");
    EXPECT_NE(deutschland.find("2017-10-31 DI 44 - -\n"), std::string::npos);
}

TEST(AdminKalenderTest, RefusesBadInput) {
    KALVORA_ADMIN_NOETIG();
    for (const char* argumente :
         {"", "2024", "1971 --regionen 1", "2036 --regionen 1", "2024 --regionen 25", "2024 --regionen 1,",
          "2024 --flags 0101", "2024 --flags 0000000000000000000000000002",
          "2024 --regionen 1 --flags 000000000000000000000000000"}) {
        const AdminErgebnis e = Kalender(argumente);
        EXPECT_EQ(e.rc, 1) << argumente;
        EXPECT_TRUE(e.out.empty()) << argumente;
        EXPECT_EQ(e.err.rfind("Fehler: ", 0), 0u) << argumente << ": " << e.err;
    }
}
