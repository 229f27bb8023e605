// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// A board window in a temporary program folder, with scripted message boxes
// and dialogs, and a full snapshot of what the player can see and do.
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include "ui/BoiteMessage.h"
#include "ui/Dial.h"
#include "ui/Etiquette.h"
#include "ui/FrmPrinc.h"

namespace banc {

using namespace vorlinde;
using namespace vorlinde::ui;

inline QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

struct Instantane {
    Partie Etat;
    std::vector<std::int32_t> Couleurs;  // swatches, code cells, history cells
    std::vector<QString> Textes;         // counters
    std::vector<int> Positions;          // swatch tops in pixels
    int Min = 0, Max = 0, Value = 0;
    bool DefilementActif = false, OkActif = false;

    bool operator==(const Instantane&) const = default;
};

inline Instantane Capturer(const FrmPrinc& f)
{
    Instantane i;
    i.Etat = f.Etat();
    for (auto* e : f.LblCoulSource) {
        i.Couleurs.push_back(e->BackColor());
        i.Positions.push_back(e->y());
    }
    for (auto* e : f.LblCode)
        i.Couleurs.push_back(e->BackColor());
    for (auto* e : f.LblResult)
        i.Couleurs.push_back(e->BackColor());
    for (int r = 0; r < 10; ++r) {
        i.Textes.push_back(f.LblBiPl[r]->text());
        i.Textes.push_back(f.LblMalPl[r]->text());
    }
    i.Min = f.VScroll1->minimum();
    i.Max = f.VScroll1->maximum();
    i.Value = f.VScroll1->value();
    i.DefilementActif = f.VScroll1->isEnabled();
    i.OkActif = f.CmdOK->isEnabled();
    return i;
}

class Banc {
public:
    explicit Banc(std::uint64_t graine = 42, std::string nom = "joueur", QString dossier = {})
        : nom_(std::move(nom)), chemin_(dossier.isEmpty() ? temporaire_.path() : dossier)
    {
        Ouvrir(graine);
    }

    void Ouvrir(std::uint64_t graine = 42)
    {
        ServicesPrinc services;
        services.Boites = Boites;
        services.Dialogues = Dialogues;
        services.DossierProgramme = Dossier();
        services.LireNomUser = [nom = nom_] { return nom; };
        services.Graine = [graine] { return graine; };
        Fenetre = std::make_unique<FrmPrinc>(services);
    }

    std::filesystem::path Dossier() const { return std::filesystem::path(chemin_.toStdString()); }
    QString Chemin(const QString& nom) const { return chemin_ + QLatin1Char('/') + nom; }
    FrmPrinc& F() { return *Fenetre; }

    void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // Cell 0 then the four colour numbers, as a player composes a guess.
    void Composer(std::array<int, 4> couleurs)
    {
        Clic(F().LblCode[0]);
        for (const int c : couleurs)
            Clic(F().LblCoulSource[c - 1]);
    }
    void Jouer(std::array<int, 4> couleurs)
    {
        Composer(couleurs);
        Clic(F().CmdOK);
    }
    std::array<int, 4> CodeSecret() const
    {
        const auto& c = Fenetre->Etat().CodeSecret;
        return {c[0], c[1], c[2], c[3]};
    }
    // A guess of four distinct colours other than the hidden code, the n-th such.
    std::array<int, 4> AutreCode(int n) const;

    std::shared_ptr<BoiteMessageScriptee> Boites = std::make_shared<BoiteMessageScriptee>();
    std::shared_ptr<DialogueScripte> Dialogues = std::make_shared<DialogueScripte>();
    std::unique_ptr<FrmPrinc> Fenetre;

private:
    QTemporaryDir temporaire_;
    std::string nom_;
    QString chemin_;
};

inline std::array<int, 4> Banc::AutreCode(int n) const
{
    const auto secret = CodeSecret();
    int vus = 0;
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b)
            for (int c = 1; c <= 8; ++c)
                for (int d = 1; d <= 8; ++d) {
                    const std::array<int, 4> code{a, b, c, d};
                    if (a == b || a == c || a == d || b == c || b == d || c == d || code == secret)
                        continue;
                    if (vus++ == n)
                        return code;
                }
    return {};
}

}  // namespace banc
