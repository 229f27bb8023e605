// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// A board window in a temporary program folder, with scripted message boxes
// and dialogs. The controls are reached by their names, as the board's layout
// names them; the commands by their menu actions; and a full snapshot of what
// the player can see and do is taken from the widgets alone.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include "Scripts.h"
#include "fenetre/FrmPrinc.h"
#include "game/Codes.h"
#include "plateau/BoutonCouleur.h"
#include "plateau/Etiquette.h"

namespace banc {

using namespace vorlinde;
using namespace vorlinde::ui;

inline QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

// The child of `parent` named `nom`, or `nom` followed by `index`.
template <typename T> T* Controle(const QObject& parent, const QString& nom, int index = -1)
{
    const QString complet = index < 0 ? nom : nom + QString::number(index);
    auto* controle = parent.findChild<T*>(complet);
    if (!controle)
        qFatal("no control named %s", qPrintable(complet));
    return controle;
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

class Banc {
    // First, so that the program folder and the preferences can live in it.
    QTemporaryDir temporaire_;

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
        services.Reglages = Reglages;
        services.FichierReglages = FichierReglages;
        services.DossierDonnees = DossierDonnees;
        // The games' time stands still unless a test moves it.
        services.Horloge = [this] { return Maintenant; };
        Fenetre = std::make_unique<FrmPrinc>(services);
    }

    std::filesystem::path Dossier() const { return std::filesystem::path(chemin_.toStdString()); }
    QString Chemin(const QString& nom) const { return chemin_ + QLatin1Char('/') + nom; }
    FrmPrinc& F() { return *Fenetre; }
    const Partie& Etat() const { return Fenetre->Etat(); }
    ProfilCouleurs Profil() const { return CollecterProfil(Etat()); }

    BoutonCouleur* Source(int k) const { return Controle<BoutonCouleur>(*Fenetre, QStringLiteral("LblCoulSource"), k); }
    BoutonCouleur* Case(int k) const { return Controle<BoutonCouleur>(*Fenetre, QStringLiteral("LblCode"), k); }
    Etiquette* Resultat(int k) const { return Controle<Etiquette>(*Fenetre, QStringLiteral("LblResult"), k); }
    Etiquette* BiPl(int r) const { return Controle<Etiquette>(*Fenetre, QStringLiteral("LblBiPl"), r); }
    Etiquette* MalPl(int r) const { return Controle<Etiquette>(*Fenetre, QStringLiteral("LblMalPl"), r); }
    QPushButton* Move(int k) const { return Controle<QPushButton>(*Fenetre, QStringLiteral("CmdMove"), k); }
    QPushButton* Ok() const { return Controle<QPushButton>(*Fenetre, QStringLiteral("CmdOK")); }
    QScrollBar* Defilement() const { return Controle<QScrollBar>(*Fenetre, QStringLiteral("VScroll1")); }
    QGroupBox* Cadre(int n) const { return Controle<QGroupBox>(*Fenetre, QStringLiteral("Frame"), n); }
    QAction* Action(const char* nom) const { return Controle<QAction>(*Fenetre, QString::fromUtf8(nom)); }
    // The window's own background, which blank history cells show.
    std::int32_t Fond() const { return DepuisQColor(Fenetre->centralWidget()->palette().color(QPalette::Window)); }

    void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void Menu(const char* nom) { Action(nom)->trigger(); }
    // A menu command whose dialog is answered with `chemin`; true when no
    // box followed it (the command succeeded).
    bool Commande(const char* nom, const QString& chemin)
    {
        const auto boites = Boites->Appels.size();
        Dialogues->Reponses.push_back(chemin);
        Menu(nom);
        return Boites->Appels.size() == boites;
    }

    // Cell 0 then the four colour numbers, as a player composes a guess.
    void Composer(std::array<int, 4> couleurs)
    {
        Clic(Case(0));
        for (const int c : couleurs)
            Clic(Source(c - 1));
    }
    void Jouer(std::array<int, 4> couleurs)
    {
        Composer(couleurs);
        Clic(Ok());
    }
    std::array<int, 4> CodeSecret() const
    {
        const auto& c = Etat().CodeSecret;
        return {c[0], c[1], c[2], c[3]};
    }
    // A guess of four distinct colours other than the hidden code, the n-th such.
    std::array<int, 4> AutreCode(int n) const
    {
        int vus = 0;
        for (const auto& code : TousLesCodes())
            if (code != Etat().CodeSecret && vus++ == n)
                return {code[0], code[1], code[2], code[3]};
        return {};
    }

    Instantane Capturer() const
    {
        Instantane i;
        i.Etat = Etat();
        for (int k = 0; k < NbCouleurs; ++k) {
            i.Couleurs.push_back(Source(k)->BackColor());
            i.Positions.push_back(Source(k)->y());
        }
        for (int k = 0; k < LongueurCode; ++k)
            i.Couleurs.push_back(Case(k)->BackColor());
        for (int k = 0; k < 40; ++k)
            i.Couleurs.push_back(Resultat(k)->BackColor());
        for (int r = 0; r < 10; ++r) {
            i.Textes.push_back(BiPl(r)->text());
            i.Textes.push_back(MalPl(r)->text());
        }
        i.Min = Defilement()->minimum();
        i.Max = Defilement()->maximum();
        i.Value = Defilement()->value();
        i.DefilementActif = Defilement()->isEnabled();
        i.OkActif = Ok()->isEnabled();
        return i;
    }

    std::shared_ptr<BoiteMessageScriptee> Boites = std::make_shared<BoiteMessageScriptee>();
    std::shared_ptr<DialogueScripte> Dialogues = std::make_shared<DialogueScripte>();
    // The player's preferences, kept beside the board for the test's life.
    std::shared_ptr<QSettings> Reglages
        = std::make_shared<QSettings>(temporaire_.filePath(QStringLiteral("reglages.ini")), QSettings::IniFormat);
    // Without Reglages, the window opens the preferences of this file itself.
    QString FichierReglages;
    // The player's data folder (the record of games): none unless a test gives one.
    std::filesystem::path DossierDonnees;
    // The games' clock, in milliseconds.
    std::int64_t Maintenant = 0;
    std::unique_ptr<FrmPrinc> Fenetre;

private:
    std::string nom_;
    QString chemin_;
};

// The save command, its dialog answered from the queue: true when it ended
// in an "Erreur" box.
inline bool EchecDeSauvegarde(Banc& b)
{
    const auto boites = b.Boites->Appels.size();
    b.Menu("MnuSave");
    return b.Boites->Appels.size() == boites + 1 && b.Boites->Appels.back().Titre == QStringLiteral("Erreur");
}

}  // namespace banc
