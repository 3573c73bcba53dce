#include "data/StempelSperre.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

#include "app/Systemfehler.h"

namespace kalvora {
namespace {

// Holders keep the OS lock for a few system calls; a lock held longer than this belongs to a
// hung process (a stalled network drive) and must not freeze the user interface.
constexpr auto kOsSperreHoechstens = std::chrono::seconds(5);

// An open stamp file with its OS lock; both end with the object.
class StempelDatei {
public:
    StempelDatei(const std::filesystem::path& pfad, int flags)
        : m_fd(::open(pfad.c_str(), flags | O_CLOEXEC, 0666)), m_nFehler(m_fd < 0 ? errno : 0) {}
    ~StempelDatei() {
        if (m_fd >= 0) ::close(m_fd); // closing drops the open-file-description lock
    }
    StempelDatei(const StempelDatei&) = delete;
    StempelDatei& operator=(const StempelDatei&) = delete;

    bool Offen() const { return m_fd >= 0; }
    int Fehler() const { return m_nFehler; } // errno of a failed open

    // Polls rather than blocking in F_OFD_SETLKW, so the wait stays bounded.
    bool Sperren(short art) {
        struct flock fl {};
        fl.l_type = art;
        fl.l_whence = SEEK_SET;
        const auto ende = std::chrono::steady_clock::now() + kOsSperreHoechstens;
        auto pause = std::chrono::microseconds(50);
        for (;;) {
            if (::fcntl(m_fd, F_OFD_SETLK, &fl) == 0) return true;
            if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
            if (std::chrono::steady_clock::now() >= ende) return false;
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::microseconds(2000));
        }
    }

    // Up to two integers from the front of the file; returns how many were read.
    int Lesen(long long (&werte)[2]) const {
        char puffer[256];
        ssize_t n;
        do
            n = ::pread(m_fd, puffer, sizeof puffer, 0);
        while (n < 0 && errno == EINTR);
        if (n < 0) return 0;
        return ZahlenLesen(puffer, static_cast<std::size_t>(n), werte, 2);
    }

    // New content first, then the old tail cut off: a reader without the OS lock sees the new lock
    // flag as the first number at every moment, never an empty file.
    bool Schreiben(Stempel s) {
        const std::string text = std::to_string(s.sperre) + ' ' + std::to_string(s.zaehler);
        ssize_t n;
        do
            n = ::pwrite(m_fd, text.data(), text.size(), 0);
        while (n < 0 && errno == EINTR);
        return n == static_cast<ssize_t>(text.size()) &&
               ::ftruncate(m_fd, static_cast<off_t>(text.size())) == 0;
    }

private:
    int m_fd;
    int m_nFehler;
};

} // namespace

SperrErgebnis SperreNehmen(const std::filesystem::path& stempel) {
    StempelDatei datei(stempel, O_RDWR);
    if (!datei.Offen() || !datei.Sperren(F_WRLCK)) return {SperrStand::Unlesbar, {}};
    long long w[2] = {};
    if (datei.Lesen(w) != 2) return {SperrStand::Unlesbar, {}};
    const Stempel gelesen{static_cast<int>(w[0]), static_cast<int>(w[1])};
    if (gelesen.sperre != 0) return {SperrStand::Belegt, gelesen};
    if (!datei.Schreiben({1, gelesen.zaehler})) return {SperrStand::Verloren, gelesen};
    long long zurueck[2] = {};
    if (datei.Lesen(zurueck) < 1 || zurueck[0] == 0) return {SperrStand::Verloren, gelesen};
    return {SperrStand::Genommen, gelesen};
}

bool SperreFreigeben(const std::filesystem::path& stempel, int zaehler) {
    StempelDatei datei(stempel, O_RDWR | O_CREAT);
    if (!datei.Offen()) return false;
    // The release must happen even when the OS lock cannot be had: while the flag is 1 no
    // instance that follows the protocol writes this file, so nothing can interleave.
    datei.Sperren(F_WRLCK);
    return datei.Schreiben({0, zaehler});
}

std::optional<Stempel> StempelGeschuetztLesen(const std::filesystem::path& stempel) {
    StempelDatei datei(stempel, O_RDONLY);
    if (!datei.Offen() || !datei.Sperren(F_RDLCK)) return std::nullopt;
    long long w[2] = {};
    if (datei.Lesen(w) != 2) return std::nullopt;
    return Stempel{static_cast<int>(w[0]), static_cast<int>(w[1])};
}

std::optional<Stempel> StempelGeschuetztLesen(const std::filesystem::path& stempel, std::string& grund) {
    StempelDatei datei(stempel, O_RDONLY);
    if (!datei.Offen()) {
        grund = "Die Stempeldatei \"" + stempel.string() + "\" kann nicht gelesen werden. " +
                SystemfehlerText(datei.Fehler());
        return std::nullopt;
    }
    if (!datei.Sperren(F_RDLCK)) {
        grund = "Die Stempeldatei \"" + stempel.string() + "\" wird von einem hängenden Programm blockiert.";
        return std::nullopt;
    }
    long long w[2] = {};
    if (datei.Lesen(w) != 2) {
        grund = "Die Stempeldatei \"" + stempel.string() +
                "\" enthält keinen gültigen Inhalt (erwartet: Sperre und Zähler, etwa \"0 17\").";
        return std::nullopt;
    }
    return Stempel{static_cast<int>(w[0]), static_cast<int>(w[1])};
}

bool SperreBrechenWenn(const std::filesystem::path& stempel, Stempel gesehen) {
    StempelDatei datei(stempel, O_RDWR);
    if (!datei.Offen() || !datei.Sperren(F_WRLCK)) return false;
    long long w[2] = {};
    if (datei.Lesen(w) != 2 || w[0] != gesehen.sperre || w[1] != gesehen.zaehler) return false;
    return datei.Schreiben({0, gesehen.zaehler});
}

std::optional<int> StempelVorbereiten(const std::filesystem::path& stempel) {
    {
        // Check and rewrite under one OS lock, so that a stamp being taken at this moment is
        // never mistaken for an unreadable one and reset.
        StempelDatei datei(stempel, O_RDWR | O_CREAT);
        if (datei.Offen() && datei.Sperren(F_WRLCK)) {
            long long w[2] = {};
            const int n = datei.Lesen(w);
            if (n < 1 || (w[0] != 0 && w[0] != 1)) datei.Schreiben({0, 0});
        }
    }
    if (const auto s = StempelGeschuetztLesen(stempel)) return s->zaehler;
    return std::nullopt;
}

} // namespace kalvora
