// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Scripts.h"

#include <optional>

namespace vorlinde::ui {

Reponse BoiteMessageScriptee::Montrer(QWidget*, const QString& texte, StyleBoite style, const QString& titre)
{
    Appels.push_back({texte, titre, style});
    if (!Reponses.empty()) {
        const Reponse reponse = Reponses.front();
        Reponses.pop_front();
        return reponse;
    }
    switch (style.Boutons) {
    case JeuBoutons::OuiNonAnnuler:
        return Reponse::Annuler;
    case JeuBoutons::OuiNon:
        return Reponse::Non;
    case JeuBoutons::OK:
        break;
    }
    return Reponse::OK;
}

template <typename T> std::optional<T> DialogueScripte::Suivante()
{
    if (Reponses.empty() || !std::holds_alternative<T>(Reponses.front()))
        return std::nullopt;
    T reponse = std::get<T>(Reponses.front());
    Reponses.pop_front();
    return reponse;
}

QString DialogueScripte::ShowOpen(QWidget*, const ParametresDial& parametres)
{
    Usages.push_back({QStringLiteral("ShowOpen"), parametres});
    return Suivante<QString>().value_or(QString());
}

QString DialogueScripte::ShowSave(QWidget*, const ParametresDial& parametres)
{
    Usages.push_back({QStringLiteral("ShowSave"), parametres});
    return Suivante<QString>().value_or(QString());
}

std::int32_t DialogueScripte::ShowColor(QWidget*, std::int32_t couleur)
{
    ParametresDial p;
    p.Color = couleur;
    Usages.push_back({QStringLiteral("ShowColor"), p});
    return Suivante<std::int32_t>().value_or(couleur);
}

}  // namespace vorlinde::ui
