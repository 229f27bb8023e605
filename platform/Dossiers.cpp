// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Dossiers.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace vorlinde {
namespace {

std::string Minuscules(std::string texte)
{
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return texte;
}

bool DossierInscriptible(const std::filesystem::path& dossier)
{
    std::error_code ec;
    return !dossier.empty() && std::filesystem::is_directory(dossier, ec)
        && ::access(dossier.c_str(), W_OK | X_OK) == 0;
}

// An installed program's folder: /usr/games, /usr/local/bin...
bool DossierDuSysteme(const std::filesystem::path& dossier)
{
    if (!dossier.is_absolute())
        return false;
    auto element = dossier.begin();  // the root, "/"
    return ++element != dossier.end() && *element == "usr";
}

}  // namespace

std::filesystem::path DossierExecutable()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : exe.parent_path();
}

std::filesystem::path DossierDonnees(const char* (*lire)(const char*))
{
    const char* xdg = lire("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::filesystem::path(xdg) / "vorlinde";
    const char* maison = lire("HOME");
    if (maison == nullptr || maison[0] != '/')
        return {};
    return std::filesystem::path(maison) / ".local" / "share" / "vorlinde";
}

std::filesystem::path DossierDonnees()
{
    return DossierDonnees([](const char* nom) -> const char* { return std::getenv(nom); });
}

bool CreerDossier(const std::filesystem::path& dossier)
{
    // Each folder made here is the player's alone (0700), as the XDG base
    // directory rules ask: the games kept hold their hidden codes.
    std::filesystem::path partiel;
    for (const auto& element : dossier) {
        partiel /= element;
        if (::mkdir(partiel.c_str(), 0700) != 0 && errno != EEXIST)
            break;
    }
    return DossierInscriptible(dossier);
}

std::filesystem::path DossierProgramme(const std::filesystem::path& dossierExecutable,
                                       const std::filesystem::path& dossierDonnees)
{
    if (DossierInscriptible(dossierExecutable) && !DossierDuSysteme(dossierExecutable))
        return dossierExecutable;
    // The data folder only when it is the user's own and not a link: a
    // folder of another user's would receive the profiles written here.
    struct stat etat { };
    return CreerDossier(dossierDonnees) && ::lstat(dossierDonnees.c_str(), &etat) == 0 && S_ISDIR(etat.st_mode)
            && etat.st_uid == ::geteuid()
        ? dossierDonnees
        : std::filesystem::path{};
}

ProfilDefaut TrouverProfilDefaut(const std::filesystem::path& dossier, const std::string& nomUser)
{
    const std::string nom = nomUser + ".usr";
    const std::string cherche = Minuscules(nom);
    std::error_code ec;
    // The exact name first, so that the common case reads no directory.
    const auto exact = std::filesystem::symlink_status(dossier / nom, ec);
    if (exact.type() != std::filesystem::file_type::not_found)
        return {dossier / nom, ec ? PresenceProfil::Inconnue : PresenceProfil::Present};
    ec.clear();
    std::vector<std::filesystem::path> trouves;
    std::filesystem::directory_iterator it(dossier, ec);
    for (const std::filesystem::directory_iterator fin; !ec && it != fin; it.increment(ec))
        if (Minuscules(it->path().filename().string()) == cherche)
            trouves.push_back(it->path());
    if (ec)
        return {dossier / nom, PresenceProfil::Inconnue};
    if (trouves.empty())
        return {dossier / nom, PresenceProfil::Absent};
    // Several spellings may coexist on a case-sensitive disk: take one predictably.
    return {*std::min_element(trouves.begin(), trouves.end()), PresenceProfil::Present};
}

}  // namespace vorlinde
