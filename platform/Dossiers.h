// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace vorlinde {

// The folder that holds the running executable.
std::filesystem::path DossierExecutable();

// The player's data folder, `$XDG_DATA_HOME/vorlinde`, or
// `$HOME/.local/share/vorlinde` when XDG_DATA_HOME is unset, empty or not an
// absolute path (the XDG rule); empty without a usable HOME. `lire` reads a
// variable of the environment (null when unset). Nothing is created.
std::filesystem::path DossierDonnees(const char* (*lire)(const char*));
std::filesystem::path DossierDonnees();

// Makes `dossier` and its parents; true when it stands as a folder that can
// be written.
bool CreerDossier(const std::filesystem::path& dossier);

// The program folder: `dossierExecutable` when it can be written and is not
// one of the system's folders under /usr (which only the package manager
// writes, even when root plays), otherwise the player's data folder, created
// when missing. Returns an empty path when neither can be had.
std::filesystem::path DossierProgramme(const std::filesystem::path& dossierExecutable,
                                       const std::filesystem::path& dossierDonnees);

enum class PresenceProfil {
    Present,   // a directory entry of that name exists (a file, or a link however broken)
    Absent,    // the folder was searched and holds no such name
    Inconnue,  // the folder could not be searched: nothing may be written
};

struct ProfilDefaut {
    std::filesystem::path Chemin;
    PresenceProfil Presence = PresenceProfil::Inconnue;
};

// The default colour profile of `nomUser` in `dossier`: an existing entry
// whose name matches `<nomUser>.usr` without regard to case, else
// `<nomUser>.usr`. Never throws: an error is an unknown presence.
ProfilDefaut TrouverProfilDefaut(const std::filesystem::path& dossier, const std::string& nomUser);

}  // namespace vorlinde
