// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
class DossierTemporaire {
public:
    DossierTemporaire()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "vorlinde-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
    }
    ~DossierTemporaire()
    {
        std::error_code ec;
        std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};
