// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <memory>

#include "BoiteMessage.h"
#include "DispositionPrinc.h"
#include "partie/PartieActive.h"

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QScrollBar;

namespace vorlinde::ui {

class Annonceur;
class Voix;
class BoutonCouleur;

// The colour (0..7) that a key plays, or -1: the digits 1 to 8, on the keypad
// or on the main row whatever the layout.
int CouleurDeTouche(const QKeyEvent& touche);
class Etiquette;

// The board: the palette with its list rows and « H » / « B », the code cells
// and « Valider le code », the history with its counters and scroll bar. It
// shows the game in progress and plays it through that game's commands: code
// entry, validation with its messages, scrolling, the keys of play. It
// repaints what the game says has changed, whoever changed it, and tells
// screen readers of the moves and colours played. Its controls keep the names
// of the board's layout ("LblCoulSource3", "LblCode0", "CmdOK", "VScroll1"...).
class Plateau : public QWidget {
    Q_OBJECT
public:
    // `jeu` and `boites` outlive the board.
    Plateau(PartieActive& jeu, std::shared_ptr<BoiteMessage> boites, QWidget* parent = nullptr);
    ~Plateau() override;

    // Places the controls for text that asks for scale `voulue`, within
    // `place` (the room for the board), from the current style's captions:
    // the described board when it fits, otherwise the arrangement that holds
    // the text best (see ChoisirDisposition). The window calls it before the
    // board is first shown.
    void Disposer(double voulue, QSize place);
    const DispositionPrinc& Disposition() const { return disposition_; }

    // The colour numbers drawn over the colours, or not.
    void AfficherNumeros(bool affiches);
    // The keys of play: 1 to 8 play a colour, Left and Right move the cursor,
    // Return and Enter validate. False for any other key, which goes on.
    bool Touche(const QKeyEvent& touche);
    // The board's voice, for what the window says of its own results.
    Voix& VoixDuPlateau();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void ConstruireControles();
    BesoinsTexte MesurerTexte() const;
    void Appliquer();

    // Handlers, named after their controls and events.
    void CmdOK_Click();
    void LblCoulSource_Click(int index);
    void LblCode_Click(int index);
    void LblCode_Change(int index);
    void CmdMove_Click(int index);
    void VScroll1_Change();

    // What the game says has changed, repainted, then told.
    void SurChange(PartieActive::Aspects aspects);
    void DireChange(PartieActive::Aspects aspects, int cellule, const QString& nomAvant);
    // Says `texte` to a screen reader, once, through the board's voice (see
    // Annonceur); `sujet`, when given, is a control whose name says it.
    void Annoncer(const QString& texte, const QWidget* sujet = nullptr);
    void PeindreCases();
    // Assigns the code cells' captions, which keeps their text colour: the
    // board does so whenever it shows the cells empty.
    void EffacerLegendesCases();
    void PeindrePalette();
    void PeindreHistorique();
    void PeindreValider();
    std::int32_t BackColorFenetre() const;
    // Counters are opaque in the window's own colours.
    void PeindreCompteur(Etiquette& compteur) const;
    Reponse MsgBox(const QString& texte, StyleBoite style, const QString& titre = {});
    // The focus follows the cursor while it is in the code cells.
    void SuivreCurseur();
    // The cursor's cell is marked once the player uses a key on the board,
    // until the next click: a mouse player sees the board as it always was.
    void MontrerCurseur(bool visible);
    bool ToucheDeJeu(const QKeyEvent& touche);
    void PeindreCurseur();
    // A dark desktop palette outlines every cell, which would otherwise
    // melt into the window; a light one leaves the board as it was.
    void SuivrePalette();
    void ConstruireAccessibilite();

    PartieActive& jeu_;
    // What the board shows and reads; only `jeu_` changes it.
    const Partie& partie_;
    std::shared_ptr<BoiteMessage> boites_;
    Annonceur* voix_ = nullptr;
    bool numeros_ = false;
    bool curseurVisible_ = false;

    DispositionPrinc disposition_;
    std::array<QGroupBox*, 7> Frame{};
    std::array<BoutonCouleur*, NbCouleurs> LblCoulSource{};
    std::array<QPushButton*, 2> CmdMove{};
    std::array<BoutonCouleur*, LongueurCode> LblCode{};
    QPushButton* CmdOK = nullptr;
    std::array<Etiquette*, 40> LblResult{};
    std::array<Etiquette*, 10> LblBiPl{};
    std::array<Etiquette*, 10> LblMalPl{};
    QScrollBar* VScroll1 = nullptr;
};

}  // namespace vorlinde::ui
