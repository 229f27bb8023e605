// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmTexte.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

#include "Ecran.h"
#include "catalogue/Catalogue.h"
#include "textes/Aide.h"

namespace vorlinde::ui {
namespace {

// The block that shows a game played: set apart, as a manual sets its
// examples apart.
const QString Exemple = Utf8(textes::aide::TitreExemple);

QString Paragraphes(const QStringList& lignes, const QString& style)
{
    QString html;
    for (const QString& ligne : lignes)
        html += QStringLiteral("<p%1>%2</p>").arg(style, ligne.toHtmlEscaped());
    return html;
}

QString Touches(const QStringList& lignes)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
    for (const QString& ligne : lignes) {
        for (const QString& entree : ligne.split(QStringLiteral(" ; "))) {
            const qsizetype deuxPoints = entree.indexOf(QStringLiteral(" : "));
            if (deuxPoints < 0) {
                html += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>").arg(entree.toHtmlEscaped());
                continue;
            }
            html += QStringLiteral("<tr><td width=\"35%\"><b>%1</b></td><td>%2</td></tr>")
                        .arg(entree.left(deuxPoints).toHtmlEscaped(), entree.mid(deuxPoints + 3).toHtmlEscaped());
        }
    }
    return html + QStringLiteral("</table>");
}

// The view asks for about seventy characters a line and the text's height
// at that width, up to thirty lines: the window then caps it to the screen.
class VueAide : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QSize sizeHint() const override
    {
        const QFontMetrics mesures(font());
        const int largeur = mesures.averageCharWidth() * 72;
        auto* copie = document()->clone();
        copie->setTextWidth(largeur);
        const int hauteur = std::min(static_cast<int>(copie->size().height()), mesures.lineSpacing() * 30);
        delete copie;
        const int f = 2 * frameWidth();
        return {largeur + f + verticalScrollBar()->sizeHint().width(), hauteur + f};
    }
    QSize minimumSizeHint() const override
    {
        const QFontMetrics mesures(font());
        return {mesures.averageCharWidth() * 20, mesures.lineSpacing() * 4};
    }
};

}  // namespace

QString HtmlAide(const QString& texte, FrmTexte::Forme forme, const QPalette& palette)
{
    const QString apart = QStringLiteral(" style=\"margin-left:16px; margin-right:16px; background-color:%1\"")
                              .arg(palette.color(QPalette::AlternateBase).name());
    QString html;
    for (const QString& bloc : texte.split(QStringLiteral("\n\n"))) {
        QStringList lignes = bloc.split(QLatin1Char('\n'));
        const QString titre = lignes.takeFirst();
        html += QStringLiteral("<h3>%1</h3>").arg(titre.toHtmlEscaped());
        if (forme == FrmTexte::Forme::Touches)
            html += Touches(lignes);
        else
            html += Paragraphes(lignes, titre == Exemple ? apart : QString());
    }
    return html;
}

FrmTexte::FrmTexte(const QString& titre, const QString& texte, Forme forme, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(titre);
    auto* zone = new VueAide(this);
    zone->setObjectName(QStringLiteral("TxtAide"));
    zone->setOpenLinks(false);
    zone->setHtml(HtmlAide(texte, forme, palette()));
    zone->setAccessibleName(titre);
    zone->setTabChangesFocus(true);

    auto* boutons = new QDialogButtonBox(this);
    auto* fermer = boutons->addButton(Utf8(textes::BoutonFermer), QDialogButtonBox::RejectRole);
    fermer->setObjectName(QStringLiteral("CmdFermer"));
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* plan = new QVBoxLayout(this);
    plan->addWidget(zone);
    plan->addWidget(boutons);
    zone->setFocus();
    TaillerSelonEcran(this);
}

}  // namespace vorlinde::ui
