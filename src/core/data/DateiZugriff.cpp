#include "data/DateiZugriff.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
    // close() reports late write errors of network file systems; callers of a save need them.
    bool Schliessen() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string Systemfehler(const char* was) { return std::string(was) + ": " + std::strerror(errno); }

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
    Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        fehler.grund = Systemfehler("Datei kann nicht geöffnet werden");
        return false;
    }
    if (!Sperren(fd.get(), F_RDLCK, wartezeitMs)) {
        fehler.grund = "Datei wird gerade von einem anderen Programm geschrieben";
        return false;
    }
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0) {
        fehler.grund = Systemfehler("Dateigröße unbekannt");
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        fehler.grund = "Keine gewöhnliche Datei";
        return false;
    }
    m_nGroesse = static_cast<std::size_t>(st.st_size);
    m_fd = fd.Abgeben();
    return true;
}

std::ptrdiff_t LeseDatei::Lesen(char* ziel, std::size_t n, DateiFehler& fehler) {
    for (;;) {
        const ssize_t gelesen = ::read(m_fd, ziel, n);
        if (gelesen >= 0) return gelesen;
        if (errno == EINTR) continue;
        fehler.grund = Systemfehler("Lesefehler");
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

bool DateiSchreiben(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                    int wartezeitMs) {
    Deskriptor fd(::open(pfad.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        fehler.grund = Systemfehler("Datei kann nicht angelegt werden");
        return false;
    }
    if (!Sperren(fd.get(), F_WRLCK, wartezeitMs)) {
        fehler.grund = "Datei wird gerade von einem anderen Programm benutzt";
        return false;
    }
    if (::ftruncate(fd.get(), 0) != 0) {
        fehler.grund = Systemfehler("Datei kann nicht geleert werden");
        return false;
    }
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd.get(), inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler.grund = Systemfehler("Schreibfehler");
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0) {
        fehler.grund = Systemfehler("Daten können nicht auf die Platte geschrieben werden");
        return false;
    }
    if (!fd.Schliessen()) {
        fehler.grund = Systemfehler("Datei kann nicht geschlossen werden");
        return false;
    }
    return true;
}

} // namespace kalvora
