#include <gtest/gtest.h>

#include "data/AdminProzess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Ergebnis {
    int rc = -1;
    std::string out, err;
};

std::filesystem::path AdminProgramm() { return kalvora::test::AdminPfad(); }

Ergebnis Kalender(const std::string& argumente) {
    const auto fehler =
        std::filesystem::temp_directory_path() / ("kalvora-kalender-" + std::to_string(::getpid()));
    const std::string befehl =
        "'" + AdminProgramm().string() + "' kalender " + argumente + " 2>'" + fehler.string() + "'";
    Ergebnis e;
    FILE* p = ::popen(befehl.c_str(), "r");
    if (!p) return e;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p)) > 0;)
        e.out.append(puffer, n);
    const int status = ::pclose(p);
    e.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream f(fehler);
    e.err.assign(std::istreambuf_iterator<char>(f), {});
    std::filesystem::remove(fehler);
    return e;
}

} // namespace

TEST(AdminKalenderTest, PrintsEveryDay) {
    const Ergebnis e = Kalender("2024 --regionen 2,24");
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(std::count(e.out.begin(), e.out.end(), '\n'), 366);
    for (const char* zeile : {"2024-01-01 MO 1 F S\n", "2024-01-02 DI 2 - S\n", "2024-01-06 SA 2 F S\n",
                              "2024-05-30 DO 23 F S\n", "2024-09-02 MO 36 - S\n", "2024-09-10 DI 38 - -\n",
                              "2024-11-20 MI 48 - S\n", "2024-12-30 MO 1 - S\n", "2024-12-31 DI 54 - S\n"})
        EXPECT_NE(e.out.find(zeile), std::string::npos) << zeile;

    // The same selection as flags; flags are taken as they are, without deriving.
    EXPECT_EQ(Kalender("2024 --flags 001000000000000000000000111").out, e.out);
    const std::string deutschland = Kalender("2017 --flags 000000000000000000000000010").out;
    EXPECT_EQ(deutschland.substr(0, 20), "2017-01-01 SO 0 F -\n");
    EXPECT_NE(deutschland.find("2017-10-31 DI 44 - -\n"), std::string::npos);
    EXPECT_NE(deutschland.find("2017-04-14 FR 15 F -\n"), std::string::npos);

    const std::string keine = Kalender("2020 --regionen ''").out;
    EXPECT_EQ(std::count(keine.begin(), keine.end(), '\n'), 366);
    EXPECT_EQ(keine.find(" F "), std::string::npos);
    EXPECT_EQ(keine.find(" S\n"), std::string::npos);
}

TEST(AdminKalenderTest, RefusesBadInput) {
    for (const char* argumente :
         {"", "2024", "abc --regionen 1", "1971 --regionen 1", "2036 --regionen 1", "2024 --regionen 25",
          "2024 --regionen 1,,2", "2024 --regionen 1,", "2024 --regionen x", "2024 --regionen",
          "2024 --flags 0101", "2024 --flags 0000000000000000000000000002",
          "2024 --flags 0000000000000000000000000000",
          "2024 --regionen 1 --flags 000000000000000000000000000", "2024 --regionen 1 --regionen 2",
          "2024 --jahr 1"}) {
        const Ergebnis e = Kalender(argumente);
        EXPECT_EQ(e.rc, 1) << argumente;
        EXPECT_TRUE(e.out.empty()) << argumente;
        EXPECT_EQ(e.err.rfind("Fehler: ", 0), 0u) << argumente << ": " << e.err;
    }
}
