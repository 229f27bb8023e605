// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// In-process costs of the handlers the player triggers, offscreen, each next
// to its floor: the same widget updates done directly, without game logic.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <fstream>

#include "Scripts.h"
#include "fenetre/FrmPrinc.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Codes.h"
#include "plateau/BoutonCouleur.h"
#include "plateau/Etiquette.h"

using namespace vorlinde;
using namespace vorlinde::ui;

namespace {

// A board in a temporary folder with scripted dialogs, and its controls
// found by the names the board's layout gives them.
struct Table {
    QTemporaryDir dossier;
    std::shared_ptr<BoiteMessageScriptee> boites = std::make_shared<BoiteMessageScriptee>();
    std::shared_ptr<DialogueScripte> dialogues = std::make_shared<DialogueScripte>();
    std::unique_ptr<FrmPrinc> fenetre;
    std::array<BoutonCouleur*, 8> sources{};
    std::array<BoutonCouleur*, 4> cases{};
    std::array<Etiquette*, 40> cellules{};
    std::array<Etiquette*, 10> biPl{};
    std::array<Etiquette*, 10> malPl{};
    QPushButton* ok = nullptr;
    QScrollBar* defilement = nullptr;

    // `donnees`: the data folder, where each move is written and synced;
    // none by default, so that the other handlers are measured alone.
    explicit Table(const QString& donnees = {})
    {
        ServicesPrinc services;
        services.DossierDonnees = donnees.toStdString();
        services.Boites = boites;
        services.Dialogues = dialogues;
        services.DossierProgramme = dossier.path().toStdString();
        services.LireNomUser = [] { return std::string("banc"); };
        services.Graine = [] { return std::uint64_t{7}; };
        // The preferences of the run stay in the run.
        services.FichierReglages = dossier.filePath(QStringLiteral("reglages.conf"));
        fenetre = std::make_unique<FrmPrinc>(services);
        const auto trouver = [this]<typename T = Etiquette>(const char* nom, int k)
        {
            return fenetre->findChild<T*>(QString::fromUtf8(nom) + QString::number(k));
        };
        for (int k = 0; k < 8; ++k)
            sources[k] = trouver.operator()<BoutonCouleur>("LblCoulSource", k);
        for (int k = 0; k < 4; ++k)
            cases[k] = trouver.operator()<BoutonCouleur>("LblCode", k);
        for (int k = 0; k < 40; ++k)
            cellules[k] = trouver("LblResult", k);
        for (int r = 0; r < 10; ++r) {
            biPl[r] = trouver("LblBiPl", r);
            malPl[r] = trouver("LblMalPl", r);
        }
        ok = fenetre->findChild<QPushButton*>(QStringLiteral("CmdOK"));
        defilement = fenetre->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    }

    void Menu(const char* nom) { fenetre->findChild<QAction*>(QString::fromUtf8(nom))->trigger(); }

    // Cell 0 then the four colours, as clicks on the cells and swatches.
    void Composer(const Code4& code)
    {
        cases[0]->click();
        for (const int c : code)
            sources[c - 1]->click();
    }
    void Jouer(const Code4& code)
    {
        Composer(code);
        ok->click();
    }
};

// What a handler leaves on the labels: colours, counter texts, descriptions.
// A floor repaints two such pictures, taken from the real handler, in turn.
struct Image {
    std::array<std::int32_t, 8> Sources{};
    std::array<std::int32_t, 4> Cases{};
    std::array<std::int32_t, 40> Cellules{};
    std::array<QString, 20> Textes;
    std::array<QString, 64> Descriptions;
    int Max = 1, Value = 1;
    bool Defilement = false;
};

Image Capturer(const Table& p)
{
    Image image;
    image.Max = p.defilement->maximum();
    image.Value = p.defilement->value();
    image.Defilement = p.defilement->isEnabled();
    for (int k = 0; k < 8; ++k)
        image.Sources[k] = p.sources[k]->BackColor();
    for (int k = 0; k < 4; ++k) {
        image.Cases[k] = p.cases[k]->BackColor();
        image.Descriptions[60 + k] = p.cases[k]->toolTip();
    }
    for (int k = 0; k < 40; ++k) {
        image.Cellules[k] = p.cellules[k]->BackColor();
        image.Descriptions[k] = p.cellules[k]->toolTip();
    }
    for (int r = 0; r < 10; ++r) {
        image.Textes[2 * r] = p.biPl[r]->text();
        image.Textes[2 * r + 1] = p.malPl[r]->text();
        image.Descriptions[40 + 2 * r] = p.biPl[r]->toolTip();
        image.Descriptions[40 + 2 * r + 1] = p.malPl[r]->toolTip();
    }
    return image;
}

void Peindre(Table& p, const Image& image)
{
    {
        const QSignalBlocker bloque(p.defilement);
        p.defilement->setRange(0, image.Max);
        p.defilement->setValue(image.Value);
    }
    p.defilement->setEnabled(image.Defilement);
    for (int k = 0; k < 8; ++k)
        p.sources[k]->SetBackColor(image.Sources[k]);
    for (int k = 0; k < 4; ++k) {
        p.cases[k]->SetBackColor(image.Cases[k]);
        p.cases[k]->SetDescription(image.Descriptions[60 + k]);
    }
    for (int k = 0; k < 40; ++k) {
        p.cellules[k]->SetBackColor(image.Cellules[k]);
        p.cellules[k]->SetDescription(image.Descriptions[k]);
    }
    for (int r = 0; r < 10; ++r) {
        p.biPl[r]->setText(image.Textes[2 * r]);
        p.malPl[r]->setText(image.Textes[2 * r + 1]);
        p.biPl[r]->SetDescription(image.Descriptions[40 + 2 * r]);
        p.malPl[r]->SetDescription(image.Descriptions[40 + 2 * r + 1]);
    }
}

void BM_ScoreCoup(benchmark::State& etat)
{
    const Code4 secret{3, 7, 1, 5};
    Coup coup;
    coup.AffecterCode("1735");
    for (auto _ : etat)
        benchmark::DoNotOptimize(ScoreCoup(secret, coup));
}
BENCHMARK(BM_ScoreCoup);

void BM_CmdOK_Click(benchmark::State& etat)
{
    Table p;
    const auto& f = *p.fenetre;
    const auto& codes = TousLesCodes();
    std::size_t suivant = 0;
    const auto nouvellePartie = [&] {
        p.Menu("MnuNew");
        // Ten moves first, so that every recorded move shifts the whole view.
        for (int i = 0; i < 10; ++i)
            p.Jouer(codes[suivant++ % codes.size()]);
    };
    nouvellePartie();
    for (auto _ : etat) {
        etat.PauseTiming();
        if (f.Etat().NbCoups >= 99 || !f.Etat().EnCours)
            nouvellePartie();
        auto code = codes[suivant++ % codes.size()];
        if (code == f.Etat().CodeSecret)
            code = codes[suivant++ % codes.size()];
        p.Composer(code);
        etat.ResumeTiming();
        p.ok->click();
    }
}
BENCHMARK(BM_CmdOK_Click);

// A move as the player makes it: validated, painted, and the game written to
// its file and synced to the disk that holds the build (a real disk, where
// /tmp may be memory), before the result is shown. Each move is timed on its
// own: the worst of them is the counter "pire_ms".
void BM_CmdOK_Click_Durable(benchmark::State& etat)
{
    QTemporaryDir donnees(QDir::currentPath() + QStringLiteral("/.banc-donnees-XXXXXX"));
    Table p(donnees.path());
    const auto& f = *p.fenetre;
    const auto& codes = TousLesCodes();
    std::size_t suivant = 0;
    double pire = 0;
    for (auto _ : etat) {
        if (f.Etat().NbCoups >= 99 || !f.Etat().EnCours)
            p.Menu("MnuNew");
        auto code = codes[suivant++ % codes.size()];
        if (code == f.Etat().CodeSecret)
            code = codes[suivant++ % codes.size()];
        p.Composer(code);
        const auto debut = std::chrono::steady_clock::now();
        p.ok->click();
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        etat.SetIterationTime(duree.count());
        pire = std::max(pire, duree.count() * 1e3);
    }
    etat.counters["pire_ms"] = pire;
}
BENCHMARK(BM_CmdOK_Click_Durable)->UseManualTime()->ComputeStatistics("max", [](const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
});

void BM_CmdOK_Click_Plancher(benchmark::State& etat)
{
    Table p;
    const auto& codes = TousLesCodes();
    for (int i = 0; i < 11; ++i)
        p.Jouer(codes[i]);
    const Image avant = Capturer(p);
    p.Jouer(codes[11]);
    const std::array<Image, 2> images{avant, Capturer(p)};
    int n = 0;
    for (auto _ : etat)
        Peindre(p, images[++n % 2]);
}
BENCHMARK(BM_CmdOK_Click_Plancher);

PartieSauvee PartieCent(int premier)
{
    PartieSauvee cent;
    cent.CodeSecret = {1, 2, 3, 4};
    const auto& codes = TousLesCodes();
    for (int i = 0; i < 100; ++i) {
        const auto& c = codes[premier + i];
        cent.Coups.push_back({char('0' + c[0]), char('0' + c[1]), char('0' + c[2]), char('0' + c[3])});
    }
    return cent;
}

// Two 100-move games with other moves, loaded in turn so that each load
// repaints the whole view.
std::array<QString, 2> DeuxParties(const Table& p)
{
    std::array<QString, 2> chemins{p.dossier.filePath(QStringLiteral("a.prt")),
                                   p.dossier.filePath(QStringLiteral("b.prt"))};
    EcrireFichierPartie(chemins[0].toStdString(), PartieCent(1000));
    EcrireFichierPartie(chemins[1].toStdString(), PartieCent(1300));
    return chemins;
}

void BM_Chargement100Coups(benchmark::State& etat)
{
    Table p;
    const auto chemins = DeuxParties(p);
    int n = 0;
    for (auto _ : etat) {
        p.dialogues->Reponses.push_back(chemins[++n % 2]);
        p.Menu("MnuLoad");
    }
}
BENCHMARK(BM_Chargement100Coups);

void BM_Chargement100Coups_Plancher(benchmark::State& etat)
{
    Table p;
    const auto chemins = DeuxParties(p);
    std::array<Image, 2> images;
    for (int i = 0; i < 2; ++i) {
        p.dialogues->Reponses.push_back(chemins[i]);
        p.Menu("MnuLoad");
        images[i] = Capturer(p);
    }
    std::vector<char> octets(208);
    int n = 0;
    for (auto _ : etat) {
        std::ifstream fichier(chemins[++n % 2].toStdString(), std::ios::binary);
        fichier.read(octets.data(), 208);
        Peindre(p, images[n % 2]);
    }
}
BENCHMARK(BM_Chargement100Coups_Plancher);

// Two profiles with other colours, loaded in turn in the middle of a game:
// the swatches, the code cells and ten history rows are repainted.
std::array<QString, 2> DeuxProfils(const Table& p)
{
    std::array<QString, 2> chemins{p.dossier.filePath(QStringLiteral("a.usr")),
                                   p.dossier.filePath(QStringLiteral("b.usr"))};
    EcrireProfil(chemins[0].toStdString(), ProfilParDefaut);
    EcrireProfil(chemins[1].toStdString(), ProfilCouleurs{1, 2, 3, 4, 5, 6, 7, 8, 9});
    return chemins;
}

void BM_RafraichirCouleurs(benchmark::State& etat)
{
    Table p;
    const auto& codes = TousLesCodes();
    for (int i = 0; i < 10; ++i)
        p.Jouer(codes[500 + i * 37]);
    const auto chemins = DeuxProfils(p);
    int n = 0;
    for (auto _ : etat) {
        p.dialogues->Reponses.push_back(chemins[++n % 2]);
        p.Menu("MnuAffLoad");
    }
}
BENCHMARK(BM_RafraichirCouleurs);

void BM_RafraichirCouleurs_Plancher(benchmark::State& etat)
{
    Table p;
    const auto& codes = TousLesCodes();
    for (int i = 0; i < 10; ++i)
        p.Jouer(codes[500 + i * 37]);
    const auto chemins = DeuxProfils(p);
    std::array<Image, 2> images;
    for (int i = 0; i < 2; ++i) {
        p.dialogues->Reponses.push_back(chemins[i]);
        p.Menu("MnuAffLoad");
        images[i] = Capturer(p);
    }
    std::vector<char> octets(128);
    int n = 0;
    for (auto _ : etat) {
        std::ifstream fichier(chemins[++n % 2].toStdString(), std::ios::binary);
        fichier.read(octets.data(), 128);
        Peindre(p, images[n % 2]);
    }
}
BENCHMARK(BM_RafraichirCouleurs_Plancher);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
