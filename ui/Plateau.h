// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

#include "BoiteMessage.h"
#include "DispositionPrinc.h"
#include "game/Partie.h"

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QScrollBar;

namespace vorlinde::ui {

class BoutonCouleur;
class Etiquette;

// The board: the palette with its list rows and « H » / « B », the code cells
// and « Valider le code », the history with its counters and scroll bar. It
// shows a game that its window owns and plays it: code entry, validation with
// its messages, scrolling, the keys of play and what screen readers are told.
// Its controls keep the names of the board's layout ("LblCoulSource3",
// "LblCode0", "CmdOK", "VScroll1"...). The window repaints it through the
// functions below after it changed the game itself (a new game, a load, new
// colours).
class Plateau : public QWidget {
    Q_OBJECT
public:
    // `partie` and `boites` outlive the board.
    Plateau(Partie& partie, std::shared_ptr<BoiteMessage> boites, QWidget* parent = nullptr);

    // Places the controls for text that asks for scale `voulue`, within
    // `place` (the room for the board), from the current style's captions:
    // the described board when it fits, otherwise the arrangement that holds
    // the text best (see ChoisirDisposition). The window calls it before the
    // board is first shown.
    void Disposer(double voulue, QSize place);
    const DispositionPrinc& Disposition() const { return disposition_; }

    // Every part of the board from the game.
    void Peindre();
    void PeindreCases();
    // Assigns the code cells' captions, which keeps their text colour: the
    // board does so whenever it shows the cells empty.
    void EffacerLegendesCases();
    // After the palette changed: the cells that hold a number, then the history.
    void RafraichirCouleurs();
    // Composes `code` in the code cells as the player would, the cursor back
    // on the first cell; the player still validates.
    void ComposerCode(const Code4& code);
    // The colour numbers drawn over the colours, or not.
    void AfficherNumeros(bool affiches);
    // The keys of play: 1 to 8 play a colour, Left and Right move the cursor,
    // Return and Enter validate. False for any other key, which goes on.
    bool Touche(const QKeyEvent& touche);
    // Says `texte` to a screen reader, once. From Qt 6.8, as an accessible
    // announcement, the focus moved only to follow the cursor. Before, through
    // the only change that Orca reads out from Qt 6.4: the focus, moved to the
    // cursor's cell (or, when it is already there, to « Valider le code »),
    // which then describes itself with `texte`. The focus stays on the board,
    // in the code. `sujet`, when given, is a control whose name says `texte`:
    // from Qt 6.8 screen readers read it when the focus is on it, and the
    // message is not sent again.
    //
    // While the window is not the active one (a dialog has just closed and
    // the desktop has not given the window back its focus yet), the message
    // waits for it: said before, it would be lost, and the board would stay
    // silent until the focus moved.
    void Annoncer(const QString& texte, const QWidget* sujet = nullptr);

signals:
    // A guess ended the game, won or lost.
    void PartieFinie(bool gagnee);
    // What a saved game holds changed (a move was played, a swatch moved):
    // sent before the player is shown the result.
    void PartieChangee();

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
    void Dire(const QString& texte, const QWidget* sujet);
    // The window is active again after a dialog: the focus, when it was in
    // the code, comes back to the cursor's cell, and a message kept for this
    // moment is said, once.
    void Reprendre();
    void DireDefilement();

    Partie& partie_;
    std::shared_ptr<BoiteMessage> boites_;
    bool numeros_ = false;
    bool curseurVisible_ = false;
    QPointer<QWidget> annonce_;
    QPointer<QWidget> pretee_;
    bool enAttente_ = false;
    QString texteEnAttente_;
    QPointer<const QWidget> sujetEnAttente_;

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
