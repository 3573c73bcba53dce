#pragma once
// Runs kalvora-admin (path from KALVORA_ADMIN) as a real process, for the sharing tests.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "TestHilfen.h"

extern char** environ;

namespace kalvora::test {

// KALVORA_ADMIN, or the tool of this build tree; empty when neither exists.
inline std::string AdminPfad() {
    if (const char* p = std::getenv("KALVORA_ADMIN")) return p;
    std::error_code ec;
    return std::filesystem::exists(KALVORA_ADMIN_PFAD, ec) ? std::string(KALVORA_ADMIN_PFAD) : std::string();
}

struct AdminErgebnis {
    int rc = -1; // exit code; -1 when it did not start, was killed or ran out of time
    std::string out, err;
};

// Starts `argv` (argv[0] a path) with stdout and stderr going to the files `out` and `err`; 0 if it
// did not start.
inline pid_t ProzessStarten(std::vector<std::string> argv, const std::string& out, const std::string& err) {
    std::vector<char*> zeiger;
    for (auto& a : argv) zeiger.push_back(a.data());
    zeiger.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, zeiger[0], &aktionen, nullptr, zeiger.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    return fehler == 0 ? pid : 0;
}

// Runs `argv` to its end; stdout and stderr go through files in `ordner`; killed if still running at
// `frist`.
inline AdminErgebnis ProzessAufrufen(std::vector<std::string> argv, const std::filesystem::path& ordner,
                                     std::chrono::steady_clock::time_point frist) {
    static std::atomic<int> nummer{0};
    const std::string n = std::to_string(nummer++);
    const std::string out = (ordner / ("out" + n)).string(), err = (ordner / ("err" + n)).string();
    AdminErgebnis e;
    const pid_t pid = ProzessStarten(std::move(argv), out, err);
    if (pid == 0) return e;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() > frist) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (WIFEXITED(status)) e.rc = WEXITSTATUS(status);
    e.out = DateiInhalt(out);
    e.err = DateiInhalt(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return e;
}

// Runs one kalvora-admin command.
inline AdminErgebnis AdminAufrufen(std::vector<std::string> args, const std::filesystem::path& ordner,
                                   std::chrono::steady_clock::time_point frist = std::chrono::steady_clock::now() +
                                                                                 std::chrono::seconds(60)) {
    args.insert(args.begin(), AdminPfad());
    return ProzessAufrufen(std::move(args), ordner, frist);
}

// Sets an environment variable for the commands started while it lives.
class Umgebung {
public:
    Umgebung(const char* name, const std::string& wert) : m_name(name) { ::setenv(name, wert.c_str(), 1); }
    ~Umgebung() { ::unsetenv(m_name); }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    const char* m_name;
};

#define KALVORA_ADMIN_NOETIG()                                                                               \
    do {                                                                                                     \
        if (::kalvora::test::AdminPfad().empty()) GTEST_SKIP() << "kalvora-admin not found (KALVORA_ADMIN)"; \
    } while (0)

// The arguments of a marking of "B1, B2" from `von` to `bis`, without the database.
inline std::vector<std::string> MarkierArgs(const std::string& b1, const std::string& b2, const std::string& von,
                                            const std::string& bis, const std::string& art) {
    return {"markieren", "--b1", b1, "--b2", b2, "--von", von, "--bis", bis, "--art", art};
}

// An empty database in a temporary folder; Aufruf puts its path right after the command.
class AdminDatenbank : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat", stempel = t / "Ressource.d";

    void SetUp() override {
        KALVORA_ADMIN_NOETIG();
        DateiSchreibenTest(datei, "");
    }
    AdminErgebnis Aufruf(std::vector<std::string> args) {
        args.insert(args.begin() + 1, datei);
        return AdminAufrufen(args, t.pfad());
    }
};

} // namespace kalvora::test
