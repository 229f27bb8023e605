// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include <cstdint>

namespace vorlinde::ui {

// 0x00BBGGRR colour values to and from Qt colours.
QColor VersQColor(std::int32_t valeur);
std::int32_t DepuisQColor(const QColor& couleur);

// An opaque, borderless label with a colour value as its background, a text
// colour value, a click signal and a caption-change signal, as the board's
// swatches, code cells, history cells and counters need. A clickable label
// is a button for screen readers, with a "press" action that clicks it; it
// can show a colour number over its colour.
class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);

    std::int32_t BackColor() const { return backColor_; }
    void SetBackColor(std::int32_t valeur);
    std::int32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::int32_t valeur);
    // Assigning the caption always raises CaptionChange, even with the same text.
    void SetCaption(const QString& texte);
    // Tooltip and accessible name together.
    void SetDescription(const QString& texte);
    // The accessible name alone, for a label that shows no tooltip.
    void SetNomAccessible(const QString& nom);
    bool Cliquable() const { return cliquable_; }
    void SetCliquable(bool cliquable) { cliquable_ = cliquable; }
    // A colour number (1..8) drawn over the background, in black or white,
    // whichever stands out more; 0 draws nothing.
    void SetNumero(int numero);
    int Numero() const { return numero_; }

signals:
    void Click();
    void CaptionChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::int32_t backColor_ = -1;
    std::int32_t foreColor_ = 0;
    int numero_ = 0;
    bool appui_ = false;
    bool cliquable_ = false;
};

// Lets screen readers see the board's labels as what they are: buttons that
// can be pressed, or texts named by their own name only (never by the title
// of the frame around them). Called once, before the first window is shown.
void InstallerAccessibilite();

}  // namespace vorlinde::ui
