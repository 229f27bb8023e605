// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Fichiers.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlinde {
namespace {

// Closes its descriptor when it goes out of scope.
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) { }
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;

    int Fd() const { return fd_; }
    bool Ouvert() const { return fd_ >= 0; }
    // Closes now, so that a failure of close (a late write error) is seen.
    bool Fermer()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 && ::close(fd) == 0;
    }

private:
    int fd_;
};

// Links deeper than this are a loop, as the system itself counts them.
constexpr int ProfondeurLiensMax = 40;

// The file that `chemin` names once every symlink is followed, and whether it
// exists (`info` then holds its status). A dangling link names the file it
// would create. False when the links loop or cannot be looked up.
bool SuivreLiens(std::filesystem::path chemin, std::filesystem::path& cible, bool& existe, struct stat& info)
{
    for (int n = 0; n < ProfondeurLiensMax; ++n) {
        cible = chemin;
        existe = ::lstat(chemin.c_str(), &info) == 0;
        if (!existe)
            return errno == ENOENT;
        if (!S_ISLNK(info.st_mode))
            return true;
        std::error_code ec;
        const auto lien = std::filesystem::read_symlink(chemin, ec);
        if (ec)
            return false;
        chemin = lien.is_absolute() ? lien : chemin.parent_path() / lien;
    }
    return false;
}

// Opens an existing regular file without blocking (a named pipe would block).
ErreurFichier OuvrirOrdinaire(const std::filesystem::path& chemin, int drapeaux, ErreurFichier echec, int& fd)
{
    fd = ::open(chemin.c_str(), drapeaux | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENXIO ? ErreurFichier::PasUnFichierOrdinaire : echec;
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        return echec;
    return S_ISREG(info.st_mode) ? ErreurFichier::Aucune : ErreurFichier::PasUnFichierOrdinaire;
}

// Copies the bytes of `source` from offset `debut` to its end onto `fd`.
bool CopierSuite(const std::filesystem::path& source, std::size_t debut, int fd)
{
    int brut = -1;
    const auto erreur = OuvrirOrdinaire(source, O_RDONLY, ErreurFichier::Illisible, brut);
    const Descripteur lecture(brut);
    if (erreur != ErreurFichier::Aucune)
        return false;
    std::array<std::uint8_t, 65536> tampon{};
    auto position = static_cast<off_t>(debut);
    for (;;) {
        const ssize_t r = ::pread(lecture.Fd(), tampon.data(), tampon.size(), position);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return false;
        if (r == 0)
            return true;
        if (!EcrireTout(fd, std::span(tampon.data(), static_cast<std::size_t>(r))))
            return false;
        position += r;
    }
}

// The fallback when the file cannot be replaced: the same bytes written over
// the existing file, which keeps its owner and permissions but is no longer
// protected against a failure half-way.
ErreurFichier EcrireSurPlace(const std::filesystem::path& cible, std::span<const std::uint8_t> octets,
                             Remplacement remplacement)
{
    int brut = -1;
    const auto erreur = OuvrirOrdinaire(cible, O_WRONLY, ErreurFichier::Ecriture, brut);
    Descripteur fichier(brut);
    if (erreur != ErreurFichier::Aucune)
        return erreur;
    bool ok = EcrireTout(fichier.Fd(), octets);
    if (ok && remplacement == Remplacement::Entier)
        ok = ::ftruncate(fichier.Fd(), static_cast<off_t>(octets.size())) == 0;
    ok = ok && ::fsync(fichier.Fd()) == 0;
    ok = fichier.Fermer() && ok;
    return ok ? ErreurFichier::Aucune : ErreurFichier::Ecriture;
}

// A rename or a removal reaches the disk with its folder.
void SynchroniserDossier(const std::filesystem::path& dossier)
{
    const Descripteur dossierOuvert(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dossierOuvert.Ouvert())
        ::fsync(dossierOuvert.Fd());
}

mode_t ModeNouveauFichier()
{
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// Gives the temporary file the owner, group and permissions that the target
// has (or that a new file would get). False when the owner cannot be kept.
bool CopierAttributs(int fd, const struct stat* ancien, bool prive)
{
    if (ancien == nullptr)
        return ::fchmod(fd, ModeNouveauFichier() & (prive ? 0600 : 0666)) == 0;
    struct stat temporaire { };
    if (::fstat(fd, &temporaire) != 0)
        return false;
    if ((temporaire.st_uid != ancien->st_uid || temporaire.st_gid != ancien->st_gid)
        && ::fchown(fd, ancien->st_uid, ancien->st_gid) != 0)
        return false;
    return ::fchmod(fd, ancien->st_mode & 07777) == 0;
}

}  // namespace

ErreurFichier LireDebutFichier(const std::filesystem::path& chemin, std::size_t maximum,
                               std::vector<std::uint8_t>& octets)
{
    octets.clear();
    int brut = -1;
    const auto erreur = OuvrirOrdinaire(chemin, O_RDONLY, ErreurFichier::Illisible, brut);
    const Descripteur fichier(brut);
    if (erreur != ErreurFichier::Aucune)
        return erreur;
    octets.assign(maximum, 0);
    std::size_t lus = 0;
    while (lus < maximum) {
        const ssize_t r = ::read(fichier.Fd(), octets.data() + lus, maximum - lus);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            octets.clear();
            return ErreurFichier::Illisible;
        }
        if (r == 0)
            break;
        lus += static_cast<std::size_t>(r);
    }
    octets.resize(lus);
    return ErreurFichier::Aucune;
}

ErreurFichier RemplacerFichier(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets,
                               Remplacement remplacement, std::uintmax_t suiteMax, bool prive)
{
    std::filesystem::path cible;
    bool existe = false;
    struct stat ancien { };
    if (!SuivreLiens(chemin, cible, existe, ancien))
        return ErreurFichier::Ecriture;
    if (existe && !S_ISREG(ancien.st_mode))
        return ErreurFichier::PasUnFichierOrdinaire;
    if (existe && static_cast<std::uintmax_t>(ancien.st_size) > suiteMax)
        remplacement = Remplacement::Entier;
    // A read-only file is refused, as the save dialogs refuse it.
    if (existe && ::access(cible.c_str(), W_OK) != 0)
        return ErreurFichier::Ecriture;

    // A short name, so that a target name of up to 255 bytes still leaves room.
    auto dossier = cible.parent_path();
    if (dossier.empty())
        dossier = ".";
    std::string modele = (dossier / ".vorlinde-XXXXXX").string();
    Descripteur temporaire(::mkostemp(modele.data(), O_CLOEXEC));
    if (!temporaire.Ouvert()) {
        const bool dossierProtege = errno == EACCES || errno == EPERM;
        return existe && dossierProtege ? EcrireSurPlace(cible, octets, remplacement) : ErreurFichier::Ecriture;
    }
    const auto abandonner = [&](ErreurFichier erreur) {
        temporaire.Fermer();
        ::unlink(modele.c_str());
        return erreur;
    };

    if (!CopierAttributs(temporaire.Fd(), existe ? &ancien : nullptr, prive)) {
        abandonner(ErreurFichier::Ecriture);
        return existe ? EcrireSurPlace(cible, octets, remplacement) : ErreurFichier::Ecriture;
    }
    bool ok = EcrireTout(temporaire.Fd(), octets);
    if (ok && existe && remplacement == Remplacement::GarderLaSuite)
        ok = CopierSuite(cible, octets.size(), temporaire.Fd());
    ok = ok && ::fsync(temporaire.Fd()) == 0;
    ok = temporaire.Fermer() && ok;
    if (!ok || ::rename(modele.c_str(), cible.c_str()) != 0)
        return abandonner(ErreurFichier::Ecriture);
    SynchroniserDossier(dossier);
    return ErreurFichier::Aucune;
}

bool Existe(const std::filesystem::path& chemin)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(chemin, ec));
}

std::string Horodatage()
{
    char date[32];
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&maintenant, &local);
    std::strftime(date, sizeof date, "%Y%m%d-%H%M%S", &local);
    return date;
}

bool EcrireTout(int fd, std::span<const std::uint8_t> octets)
{
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t r = ::write(fd, octets.data() + ecrits, octets.size() - ecrits);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        ecrits += static_cast<std::size_t>(r);
    }
    return true;
}

void OuvrirFluxStandard()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number: this one.
            const int nul = ::open("/dev/null", O_RDWR);
            if (nul >= 0 && nul != fd)
                ::close(nul);
        }
}

}  // namespace vorlinde
