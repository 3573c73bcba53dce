#pragma once
// Runs kalvora-admin (path from KALVORA_ADMIN) as a real process, for the sharing tests.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

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
    std::string out;
    std::string err;
};

// Runs one command; stdout and stderr go through files in `ordner`. A process still running at
// `frist` is killed.
inline AdminErgebnis AdminAufrufen(const std::vector<std::string>& args, const std::filesystem::path& ordner,
                                   std::chrono::steady_clock::time_point frist) {
    static std::atomic<int> nummer{0};
    const int n = nummer++;
    const std::string outPfad = (ordner / ("out" + std::to_string(n))).string();
    const std::string errPfad = (ordner / ("err" + std::to_string(n))).string();
    std::vector<std::string> alle{AdminPfad()};
    alle.insert(alle.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : alle)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, outPfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, errPfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    AdminErgebnis e;
    if (fehler != 0) return e;
    int status = 0;
    for (;;) {
        const pid_t w = waitpid(pid, &status, WNOHANG);
        if (w == pid) break;
        if (std::chrono::steady_clock::now() > frist) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (status != -1 && WIFEXITED(status)) e.rc = WEXITSTATUS(status);
    const auto lesen = [](const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    };
    e.out = lesen(outPfad);
    e.err = lesen(errPfad);
    std::filesystem::remove(outPfad);
    std::filesystem::remove(errPfad);
    return e;
}

inline AdminErgebnis AdminAufrufen(const std::vector<std::string>& args,
                                   const std::filesystem::path& ordner) {
    return AdminAufrufen(args, ordner, std::chrono::steady_clock::now() + std::chrono::seconds(60));
}

#define KALVORA_ADMIN_NOETIG()                                                                               \
    do {                                                                                                     \
        if (::kalvora::test::AdminPfad().empty()) GTEST_SKIP() << "kalvora-admin not found (KALVORA_ADMIN)"; \
    } while (0)

} // namespace kalvora::test
