#include "app/Systemfehler.h"

#include <cerrno>

namespace kalvora {

std::string SystemfehlerText(int nummer) {
    switch (nummer) {
    case ENOSPC: return "Auf dem Datenträger ist nicht genügend Speicherplatz frei.";
    case EFBIG: return "Die Datei wird zu groß für das Dateisystem oder die eingestellte Größengrenze.";
    case EACCES:
    case EPERM: return "Keine Berechtigung für den Zugriff auf die Datei oder ihren Ordner.";
    case EROFS: return "Das Dateisystem ist schreibgeschützt.";
    case EIO: return "Ein-/Ausgabefehler: Der Datenträger oder das Netzlaufwerk hat den Zugriff nicht ausgeführt.";
    case ENOENT: return "Die Datei oder ihr Ordner existiert nicht.";
    case ENOTDIR: return "Ein Teil des Pfads ist kein Ordner.";
    case EISDIR: return "Der Pfad bezeichnet einen Ordner, keine Datei.";
#ifdef EDQUOT
    case EDQUOT: return "Das Speicherkontingent auf dem Datenträger ist erschöpft.";
#endif
    case ENAMETOOLONG: return "Der Dateiname oder der Pfad ist zu lang.";
    case ELOOP: return "Der Pfad enthält zu viele verkettete Verknüpfungen.";
    case EBUSY: return "Die Datei oder der Datenträger ist gerade belegt.";
    case ETXTBSY: return "Die Datei wird gerade als Programm ausgeführt.";
    case EMFILE:
    case ENFILE: return "Es sind zu viele Dateien gleichzeitig geöffnet.";
    case EXDEV: return "Die Datei kann nicht über die Grenze eines Dateisystems verschoben werden.";
#ifdef ESTALE
    case ESTALE: return "Die Verbindung zur Datei auf dem Netzlaufwerk ist verloren gegangen.";
#endif
    case ENOMEM: return "Der Arbeitsspeicher reicht nicht aus.";
    default: return "Unbekannter Systemfehler (Nummer " + std::to_string(nummer) + ").";
    }
}

std::string DateiFehlerText(const std::filesystem::path& datei, std::string_view vorgang, int nummer) {
    return "Die Datei \"" + datei.string() + "\" kann nicht " + std::string(vorgang) + " werden. " +
           SystemfehlerText(nummer);
}

} // namespace kalvora
