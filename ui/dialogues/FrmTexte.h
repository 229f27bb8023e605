// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace vorlinde::ui {

// A window of help, laid out as the desktops lay out theirs, from a text of
// the catalogue: blocks parted by an empty line, each opening with its
// heading. The rules read as a document, their worked example set apart;
// the keys read as a table, a group a block, each line « keys : what they
// do » (several parted by « ; »). A screen reader reads the same words as
// the catalogue's, line by line. « Fermer » or Escape closes it.
class FrmTexte : public QDialog {
    Q_OBJECT
public:
    enum class Forme { Document, Touches };
    FrmTexte(const QString& titre, const QString& texte, Forme forme, QWidget* parent = nullptr);
};

// The HTML of such a help text, for a view whose window has `palette`.
QString HtmlAide(const QString& texte, FrmTexte::Forme forme, const QPalette& palette);

}  // namespace vorlinde::ui
