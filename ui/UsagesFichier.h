// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The four file dialogs of the board, as the player has always seen them:
// title, options, filter and default extension, set afresh at every use.
#include "Dial.h"

namespace vorlinde::ui {

struct UsageFichier {
    const char* Titre;
    OptionsFichier Options;
    const char* Filtre;
    const char* Extension;
    bool Enregistrer;  // a save dialog, otherwise an open dialog
};

namespace usages {

// 6148: no read-only check box, the folder and the file must exist.
inline constexpr OptionsFichier Ouverture{
    .CacherLectureSeule = true, .DossierDoitExister = true, .FichierDoitExister = true};
// 2131974: ask before replacing, no read-only check box, the folder must
// exist, refuse a read-only file or folder, long file names.
inline constexpr OptionsFichier Enregistrement{.ConfirmerRemplacement = true,
                                               .CacherLectureSeule = true,
                                               .DossierDoitExister = true,
                                               .RefuserLectureSeule = true,
                                               .NomsLongs = true};
static_assert(ValeurOptions(Ouverture) == 6148);
static_assert(ValeurOptions(Enregistrement) == 2131974);

inline constexpr UsageFichier SauvegardePartie{"Enregistrer une partie en cours", Enregistrement,
                                               "Fichier partie (*.prt)|*.prt|Tous le fichiers (*.*)|*.*", "*.prt",
                                               true};
inline constexpr UsageFichier ChargementPartie{"Chargement d'une partie", Ouverture,
                                               "Fichier partie|*.prt|Tous le fichiers|*.*", "*.prt", false};
inline constexpr UsageFichier ChargementProfil{"Chargement d'un profil couleur", Ouverture,
                                               "Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*", "*.usr", false};
inline constexpr UsageFichier SauvegardeProfil{"Enregistrer le profil couleur en cours", Enregistrement,
                                               "Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*", "*.usr", true};

}  // namespace usages
}  // namespace vorlinde::ui
