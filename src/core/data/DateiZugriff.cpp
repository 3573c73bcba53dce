#include "data/DateiZugriff.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "app/Systemfehler.h"

namespace kalvora {
namespace {

class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int get() const { return m_fd; }
    int Abgeben() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

std::string Belegt(const std::filesystem::path& pfad) {
    return "Die Datei \"" + pfad.string() + "\" wird gerade von einem anderen Programm benutzt.";
}

bool Sperren(int fd, short art, int wartezeitMs) {
    struct flock fl{};
    fl.l_type = art;
    fl.l_whence = SEEK_SET;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(wartezeitMs);
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &fl) == 0) return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= ende) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

LeseDatei::~LeseDatei() {
    if (m_fd >= 0) ::close(m_fd);
}

bool LeseDatei::Oeffnen(const std::filesystem::path& pfad, DateiFehler& fehler, int wartezeitMs) {
    Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        fehler.grund = DateiFehlerText(pfad, "geöffnet", errno);
        return false;
    }
    if (!Sperren(fd.get(), F_RDLCK, wartezeitMs)) {
        fehler.grund = Belegt(pfad);
        return false;
    }
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0) {
        fehler.grund = DateiFehlerText(pfad, "gelesen", errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        fehler.grund = DateiFehlerText(pfad, "gelesen", S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    m_nGroesse = static_cast<std::size_t>(st.st_size);
    m_strPfad = pfad.string();
    m_fd = fd.Abgeben();
    return true;
}

std::ptrdiff_t LeseDatei::Lesen(char* ziel, std::size_t n, DateiFehler& fehler) {
    for (;;) {
        const ssize_t gelesen = ::read(m_fd, ziel, n);
        if (gelesen >= 0) return gelesen;
        if (errno == EINTR) continue;
        fehler.grund = DateiFehlerText(m_strPfad, "gelesen", errno);
        return -1;
    }
}

bool DateiLesen(const std::filesystem::path& pfad, std::string& inhalt, DateiFehler& fehler, int wartezeitMs) {
    LeseDatei datei;
    if (!datei.Oeffnen(pfad, fehler, wartezeitMs)) return false;
    inhalt.resize(datei.Groesse());
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const std::ptrdiff_t n = datei.Lesen(inhalt.data() + gelesen, inhalt.size() - gelesen, fehler);
        if (n < 0) return false;
        if (n == 0) break; // shrank meanwhile (a writer without locks)
        gelesen += static_cast<std::size_t>(n);
    }
    inhalt.resize(gelesen);
    return true;
}

std::filesystem::path PfadAufloesen(const std::filesystem::path& pfad) {
    if (pfad.empty()) return pfad;
    std::error_code ec;
    const auto absolut = std::filesystem::absolute(pfad, ec);
    if (ec) return pfad;
    auto aufgeloest = std::filesystem::weakly_canonical(absolut, ec);
    return ec ? absolut.lexically_normal() : aufgeloest;
}

namespace {

// The platform part of a safe replace: a new file beside the old one that either takes the old
// one's place in a single step or disappears. A Windows version would create the file the same
// way and swap it in with ReplaceFileW (MoveFileExW with MOVEFILE_REPLACE_EXISTING |
// MOVEFILE_WRITE_THROUGH for a new name); callers see only DateiSicherErsetzen.
class NeueFassung {
public:
    explicit NeueFassung(const ErsetzenOptionen& optionen) : m_optionen(optionen) {}
    ~NeueFassung() { Verwerfen(); }
    NeueFassung(const NeueFassung&) = delete;
    NeueFassung& operator=(const NeueFassung&) = delete;

    // errno of the failed step, 0 when it worked.
    int Anlegen(const std::filesystem::path& ziel) {
        if (const int e = Probe(ErsetzenSchritt::Anlegen)) return e;
        thread_local std::mt19937_64 zufall{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
        static constexpr char kZeichen[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        // Hidden and unique: several instances may save into one folder. Mode 0666 lets the umask
        // decide for a new database, as for any file the user creates.
        for (int versuch = 0; versuch < 100; ++versuch) {
            std::string name = "." + ziel.filename().string() + ".";
            for (int i = 0; i < 6; ++i) name += kZeichen[zufall() % (sizeof kZeichen - 1)];
            m_pfad = ziel.parent_path() / name;
            m_fd = ::open(m_pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (m_fd >= 0) return 0;
            if (errno != EEXIST) break;
        }
        const int e = errno;
        m_pfad.clear();
        return e;
    }

    int Schreiben(std::string_view inhalt) {
        if (const int e = Probe(ErsetzenSchritt::Schreiben)) return e;
        std::size_t geschrieben = 0;
        while (geschrieben < inhalt.size()) {
            const ssize_t n = ::write(m_fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return errno;
            if (n == 0) return ENOSPC;
            geschrieben += static_cast<std::size_t>(n);
        }
        return 0;
    }

    // The old file's permission bits and, where allowed, its group; the last-write time if given.
    int Rechte(const struct stat* alt) {
        if (const int e = Probe(ErsetzenSchritt::Rechte)) return e;
        if (alt) {
            // Another user's save keeps the group that shares the database. Refused when this user is
            // not a member, which leaves the user's own group: no reason to fail the save.
            [[maybe_unused]] const int gruppe = ::fchown(m_fd, static_cast<uid_t>(-1), alt->st_gid);
            // After the group: a change of owner or group clears the set-group bit.
            if (::fchmod(m_fd, alt->st_mode & 07777) != 0) return errno;
        }
        if (m_optionen.zeit) {
            const auto sys = std::chrono::file_clock::to_sys(*m_optionen.zeit);
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(sys.time_since_epoch()).count();
            const struct timespec zeiten[2] = {{0, UTIME_OMIT},
                                               {static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)}};
            if (::futimens(m_fd, zeiten) != 0) return errno;
        }
        return 0;
    }

    int Sichern() {
        if (const int e = Probe(ErsetzenSchritt::Sichern)) return e;
        return ::fsync(m_fd) == 0 ? 0 : errno;
    }

    // close() reports late write errors of network file systems.
    int Schliessen() {
        if (const int e = Probe(ErsetzenSchritt::Schliessen)) return e;
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

    int Einsetzen(const std::filesystem::path& ziel) {
        if (const int e = Probe(ErsetzenSchritt::Umbenennen)) return e;
        if (::rename(m_pfad.c_str(), ziel.c_str()) != 0) return errno;
        m_pfad.clear();
        // Best effort: should the new name not reach the disk, a crash brings back the old file,
        // which is whole as well.
        const int ordner = ::open(ziel.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (ordner >= 0) {
            ::fsync(ordner);
            ::close(ordner);
        }
        return 0;
    }

    const std::filesystem::path& Pfad() const { return m_pfad; }

private:
    int Probe(ErsetzenSchritt s) const { return m_optionen.probe ? m_optionen.probe(s) : 0; }
    void Verwerfen() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
        if (!m_pfad.empty()) ::unlink(m_pfad.c_str());
        m_pfad.clear();
    }

    const ErsetzenOptionen& m_optionen;
    std::filesystem::path m_pfad;
    int m_fd = -1;
};

} // namespace

bool DateiSicherErsetzen(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                         int wartezeitMs) {
    ErsetzenOptionen optionen;
    optionen.wartezeitMs = wartezeitMs;
    return DateiSicherErsetzen(pfad, inhalt, fehler, optionen);
}

bool DateiSicherErsetzen(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                         const ErsetzenOptionen& optionen) {
    const std::filesystem::path ziel = PfadAufloesen(pfad);
    const auto probe = [&](ErsetzenSchritt s) { return optionen.probe ? optionen.probe(s) : 0; };

    // Opened for writing although never written: the exclusive lock needs it, and a file the user
    // made read-only stays unsaved as before.
    int e = probe(ErsetzenSchritt::Oeffnen);
    Deskriptor alt(e ? -1 : ::open(ziel.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!e && alt.get() < 0) e = errno;
    struct stat stAlt{};
    const bool gibtEs = alt.get() >= 0;
    if (e && e != ENOENT) {
        fehler.grund = DateiFehlerText(ziel, "gespeichert", e);
        return false;
    }
    if (gibtEs) {
        if (::fstat(alt.get(), &stAlt) != 0 || !S_ISREG(stAlt.st_mode)) {
            fehler.grund = DateiFehlerText(ziel, "gespeichert", S_ISDIR(stAlt.st_mode) ? EISDIR : EINVAL);
            return false;
        }
        e = probe(ErsetzenSchritt::Sperren);
        if (e || !Sperren(alt.get(), F_WRLCK, optionen.wartezeitMs)) {
            fehler.grund = e ? DateiFehlerText(ziel, "gespeichert", e) : Belegt(ziel);
            return false;
        }
    }

    NeueFassung neu(optionen);
    if ((e = neu.Anlegen(ziel)) != 0) {
        fehler.grund = "Im Ordner \"" + ziel.parent_path().string() +
                       "\" kann keine neue Fassung der Datei angelegt werden. " + SystemfehlerText(e);
        return false;
    }
    const auto gescheitert = [&](int nummer) {
        fehler.grund = "Die neue Fassung der Datei \"" + ziel.string() + "\" kann nicht geschrieben werden. " +
                       SystemfehlerText(nummer) + " Die Datei ist unverändert.";
        return false;
    };
    if ((e = neu.Schreiben(inhalt)) != 0) return gescheitert(e);
    if ((e = neu.Rechte(gibtEs ? &stAlt : nullptr)) != 0) return gescheitert(e);
    if ((e = neu.Sichern()) != 0) return gescheitert(e);
    if ((e = neu.Schliessen()) != 0) return gescheitert(e);
    if ((e = neu.Einsetzen(ziel)) != 0) return gescheitert(e);
    return true; // the old file's lock ends with `alt`, after the swap
}

int VerwaisteFassungenEntfernen(const std::filesystem::path& pfad, std::chrono::seconds alter) {
    const std::filesystem::path ziel = PfadAufloesen(pfad);
    const std::string anfang = "." + ziel.filename().string() + ".";
    const auto grenze = std::filesystem::file_time_type::clock::now() - alter;
    std::error_code ec;
    int entfernt = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ziel.parent_path(), ec)) {
        const std::string name = eintrag.path().filename().string();
        if (name.size() != anfang.size() + 6 || !name.starts_with(anfang)) continue;
        if (!std::all_of(name.end() - 6, name.end(), [](unsigned char c) { return std::isalnum(c); })) continue;
        std::error_code e;
        if (!eintrag.is_regular_file(e) || eintrag.last_write_time(e) > grenze || e) continue;
        if (std::filesystem::remove(eintrag.path(), e)) ++entfernt;
    }
    return entfernt;
}

bool DateiSicherKopieren(const std::filesystem::path& von, const std::filesystem::path& nach, DateiFehler& fehler) {
    std::error_code ec;
    ErsetzenOptionen optionen;
    optionen.zeit = std::filesystem::last_write_time(von, ec);
    if (ec) {
        fehler.grund = DateiFehlerText(von, "gelesen", ec.value());
        return false;
    }
    std::string inhalt;
    return DateiLesen(von, inhalt, fehler) && DateiSicherErsetzen(nach, inhalt, fehler, optionen);
}

} // namespace kalvora
