// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// In-process costs of the handlers the player triggers, offscreen, each next
// to its floor: the same widget updates done directly, without game logic.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <fstream>

#include "formats/FichierPartie.h"
#include "ui/BoiteMessage.h"
#include "ui/Dial.h"
#include "ui/Etiquette.h"
#include "ui/FrmPrinc.h"

using namespace vorlinde;
using namespace vorlinde::ui;

namespace {

struct Plateau {
    QTemporaryDir dossier;
    std::shared_ptr<BoiteMessageScriptee> boites = std::make_shared<BoiteMessageScriptee>();
    std::shared_ptr<DialogueScripte> dialogues = std::make_shared<DialogueScripte>();
    std::unique_ptr<FrmPrinc> fenetre;

    Plateau()
    {
        ServicesPrinc services{boites, dialogues, dossier.path().toStdString(), [] { return std::string("banc"); },
                               [] { return std::uint64_t{7}; }};
        fenetre = std::make_unique<FrmPrinc>(services);
    }
};

// Every code of four different colours, in a fixed order.
std::vector<std::array<int, 4>> TousLesCodes()
{
    std::vector<std::array<int, 4>> codes;
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b)
            for (int c = 1; c <= 8; ++c)
                for (int d = 1; d <= 8; ++d)
                    if (a != b && a != c && a != d && b != c && b != d && c != d)
                        codes.push_back({a, b, c, d});
    return codes;
}

void Composer(FrmPrinc& f, const std::array<int, 4>& code)
{
    f.LblCode_Click(0);
    for (const int c : code)
        f.LblCoulSource_Click(c - 1);
}

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

Image Capturer(const FrmPrinc& f)
{
    Image image;
    image.Max = f.VScroll1->maximum();
    image.Value = f.VScroll1->value();
    image.Defilement = f.VScroll1->isEnabled();
    for (int k = 0; k < 8; ++k)
        image.Sources[k] = f.LblCoulSource[k]->BackColor();
    for (int k = 0; k < 4; ++k) {
        image.Cases[k] = f.LblCode[k]->BackColor();
        image.Descriptions[60 + k] = f.LblCode[k]->toolTip();
    }
    for (int k = 0; k < 40; ++k) {
        image.Cellules[k] = f.LblResult[k]->BackColor();
        image.Descriptions[k] = f.LblResult[k]->toolTip();
    }
    for (int r = 0; r < 10; ++r) {
        image.Textes[2 * r] = f.LblBiPl[r]->text();
        image.Textes[2 * r + 1] = f.LblMalPl[r]->text();
        image.Descriptions[40 + 2 * r] = f.LblBiPl[r]->toolTip();
        image.Descriptions[40 + 2 * r + 1] = f.LblMalPl[r]->toolTip();
    }
    return image;
}

void Peindre(FrmPrinc& f, const Image& image)
{
    {
        const QSignalBlocker bloque(f.VScroll1);
        f.VScroll1->setRange(0, image.Max);
        f.VScroll1->setValue(image.Value);
    }
    f.VScroll1->setEnabled(image.Defilement);
    for (int k = 0; k < 8; ++k)
        f.LblCoulSource[k]->SetBackColor(image.Sources[k]);
    for (int k = 0; k < 4; ++k) {
        f.LblCode[k]->SetBackColor(image.Cases[k]);
        f.LblCode[k]->SetDescription(image.Descriptions[60 + k]);
    }
    for (int k = 0; k < 40; ++k) {
        f.LblResult[k]->SetBackColor(image.Cellules[k]);
        f.LblResult[k]->SetDescription(image.Descriptions[k]);
    }
    for (int r = 0; r < 10; ++r) {
        f.LblBiPl[r]->setText(image.Textes[2 * r]);
        f.LblMalPl[r]->setText(image.Textes[2 * r + 1]);
        f.LblBiPl[r]->SetDescription(image.Descriptions[40 + 2 * r]);
        f.LblMalPl[r]->SetDescription(image.Descriptions[40 + 2 * r + 1]);
    }
}

void Jouer(FrmPrinc& f, const std::array<int, 4>& code)
{
    Composer(f, code);
    f.CmdOK_Click();
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
    Plateau p;
    auto& f = *p.fenetre;
    const auto codes = TousLesCodes();
    std::size_t suivant = 0;
    const auto nouvellePartie = [&] {
        f.MnuNew_Click();
        // Ten moves first, so that every recorded move shifts the whole view.
        for (int i = 0; i < 10; ++i) {
            Composer(f, codes[suivant++ % codes.size()]);
            f.CmdOK_Click();
        }
    };
    nouvellePartie();
    for (auto _ : etat) {
        etat.PauseTiming();
        if (f.Etat().NbCoups >= 99 || !f.Etat().EnCours)
            nouvellePartie();
        auto code = codes[suivant++ % codes.size()];
        const auto& s = f.Etat().CodeSecret;
        if (code == std::array<int, 4>{s[0], s[1], s[2], s[3]})
            code = codes[suivant++ % codes.size()];
        Composer(f, code);
        etat.ResumeTiming();
        f.CmdOK_Click();
    }
}
BENCHMARK(BM_CmdOK_Click);

void BM_CmdOK_Click_Plancher(benchmark::State& etat)
{
    Plateau p;
    auto& f = *p.fenetre;
    const auto codes = TousLesCodes();
    for (int i = 0; i < 11; ++i)
        Jouer(f, codes[i]);
    const Image avant = Capturer(f);
    Jouer(f, codes[11]);
    const std::array<Image, 2> images{avant, Capturer(f)};
    int n = 0;
    for (auto _ : etat)
        Peindre(f, images[++n % 2]);
}
BENCHMARK(BM_CmdOK_Click_Plancher);

PartieSauvee PartieCent(int premier)
{
    PartieSauvee cent;
    cent.CodeSecret = {1, 2, 3, 4};
    cent.TopCoulSource.fill(240);
    const auto codes = TousLesCodes();
    for (int i = 0; i < 100; ++i) {
        const auto& c = codes[premier + i];
        cent.Coups.push_back({char('0' + c[0]), char('0' + c[1]), char('0' + c[2]), char('0' + c[3])});
    }
    return cent;
}

// Two 100-move games with other moves, loaded in turn so that each load
// repaints the whole view.
std::array<QString, 2> DeuxParties(const Plateau& p)
{
    std::array<QString, 2> chemins{p.dossier.filePath(QStringLiteral("a.prt")),
                                   p.dossier.filePath(QStringLiteral("b.prt"))};
    EcrireFichierPartie(chemins[0].toStdString(), PartieCent(1000));
    EcrireFichierPartie(chemins[1].toStdString(), PartieCent(1300));
    return chemins;
}

void BM_Chargement100Coups(benchmark::State& etat)
{
    Plateau p;
    auto& f = *p.fenetre;
    const auto chemins = DeuxParties(p);
    int n = 0;
    for (auto _ : etat) {
        p.dialogues->Reponses.push_back(chemins[++n % 2]);
        f.MnuLoad_Click();
    }
}
BENCHMARK(BM_Chargement100Coups);

void BM_Chargement100Coups_Plancher(benchmark::State& etat)
{
    Plateau p;
    auto& f = *p.fenetre;
    const auto chemins = DeuxParties(p);
    std::array<Image, 2> images;
    for (int i = 0; i < 2; ++i) {
        p.dialogues->Reponses.push_back(chemins[i]);
        f.MnuLoad_Click();
        images[i] = Capturer(f);
    }
    std::vector<char> octets(208);
    int n = 0;
    for (auto _ : etat) {
        std::ifstream fichier(chemins[++n % 2].toStdString(), std::ios::binary);
        fichier.read(octets.data(), 208);
        Peindre(f, images[n % 2]);
    }
}
BENCHMARK(BM_Chargement100Coups_Plancher);

const std::array<std::array<std::int32_t, 8>, 2> Palettes{{
    {65280, 16711680, 255, 65535, 16711935, 0, 16776960, 16777215},
    {1, 2, 3, 4, 5, 6, 7, 8},
}};

void BM_RafraichirCouleurs(benchmark::State& etat)
{
    Plateau p;
    auto& f = *p.fenetre;
    const auto codes = TousLesCodes();
    for (int i = 0; i < 10; ++i)
        Jouer(f, codes[500 + i * 37]);
    int n = 0;
    for (auto _ : etat) {
        const auto& palette = Palettes[++n % 2];
        for (int k = 0; k < 8; ++k)
            f.LblCoulSource[k]->SetBackColor(palette[k]);
        f.RafraichirCouleurs();
    }
}
BENCHMARK(BM_RafraichirCouleurs);

void BM_RafraichirCouleurs_Plancher(benchmark::State& etat)
{
    Plateau p;
    auto& f = *p.fenetre;
    const auto codes = TousLesCodes();
    for (int i = 0; i < 10; ++i)
        Jouer(f, codes[500 + i * 37]);
    std::array<Image, 2> images;
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 8; ++k)
            f.LblCoulSource[k]->SetBackColor(Palettes[i][k]);
        f.RafraichirCouleurs();
        images[i] = Capturer(f);
    }
    int n = 0;
    for (auto _ : etat)
        Peindre(f, images[++n % 2]);
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
