// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Dial.h"
#include "catalogue/Catalogue.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>

#include <QLocale>
#include <QMessageBox>
#include <QTreeView>
#include <algorithm>

#include "Ecran.h"
#include "plateau/Cellule.h"
#include "plateau/Traduction.h"

namespace vorlinde::ui {
namespace {

// Qt's file list writes sizes and dates in the system's locale (English, or
// C, under many sessions): the list shows them in the program's, French.
class ListeFrancaise : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || fichiers == nullptr)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == 1 && !fichiers->isDir(source))
            return QLocale().formattedDataSize(fichiers->size(source));
        if (index.column() == 3)
            return QLocale().toString(fichiers->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

// A file dialog that also applies the checks of the flags that QFileDialog
// leaves out: the folder must exist, a read-only file or folder is refused.
// A refusal is told in a box and the dialog stays open.
class DialogueFichier : public QFileDialog {
public:
    DialogueFichier(QWidget* parent, const ParametresDial& p, bool enregistrer)
        : QFileDialog(parent, p.DialogTitle), flags_(p.Flags)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::HideNameFilterDetails);
        setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(p.Flags.FichierDoitExister ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!p.Flags.ConfirmerRemplacement)
            setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filtres = FiltresQt(p.Filter);
        setNameFilters(filtres);
        if (!filtres.isEmpty())
            selectNameFilter(filtres.first());
        QString extension = p.DefaultExt;
        if (extension.startsWith(QLatin1String("*.")))
            extension = extension.mid(2);
        setDefaultSuffix(extension);
        if (!p.InitDir.isEmpty())
            setDirectory(p.InitDir);
        if (!p.FileName.isEmpty())
            selectFile(p.FileName);
        setProxyModel(new ListeFrancaise(this));
        // A listener learns where the dialog opens, and where it goes, from
        // the name field, which has the focus.
        DireDossier(directory().absolutePath());
        connect(this, &QFileDialog::directoryEntered, this, &DialogueFichier::DireDossier);
        Dimensionner();
    }

    void accept() override
    {
        const QStringList choix = selectedFiles();
        if (choix.size() == 1 && !QFileInfo(choix.first()).isDir() && !Acceptable(choix.first()))
            return;
        // A name typed fast and confirmed at once leaves the completer's list
        // open: Qt would stay in its popup mode after the dialog, and never
        // give the window below back its activation, its focus and its voice.
        for (auto* completion : findChildren<QCompleter*>())
            if (completion->popup() != nullptr && completion->popup()->isVisible())
                completion->popup()->hide();
        QFileDialog::accept();
    }

private:
    // The columns as wide as what they show at the desktop's text, never
    // shortened; the dialog wide enough for them all, within the screen,
    // and the list scrolling sideways where the screen is not.
    void Dimensionner()
    {
        if (auto* vue = findChild<QTreeView*>(QStringLiteral("treeView"))) {
            auto* entete = vue->header();
            entete->setStretchLastSection(false);
            entete->setSectionResizeMode(QHeaderView::ResizeToContents);
        }
        const QFontMetrics mesures(font());
        const QSize voulue(mesures.averageCharWidth() * 110, mesures.lineSpacing() * 26);
        setMinimumSize(minimumSize().boundedTo(Place(this)));
        resize(voulue.expandedTo(sizeHint()).boundedTo(Place(this)));
        // The places on the left as wide as their names.
        auto* cote = findChild<QListView*>(QStringLiteral("sidebar"));
        auto* partage = findChild<QSplitter*>(QStringLiteral("splitter"));
        if (cote != nullptr && partage != nullptr) {
            const int largeur = cote->sizeHintForColumn(0) + 2 * cote->frameWidth() + mesures.averageCharWidth() * 2;
            partage->setSizes({largeur, std::max(1, partage->width() - largeur)});
        }
    }

    void DireDossier(const QString& dossier)
    {
        if (auto* nom = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            nom->setAccessibleDescription(Utf8(textes::DossierDuFichier) + QDir::toNativeSeparators(dossier));
    }

    bool Acceptable(const QString& chemin)
    {
        const QFileInfo fichier(chemin);
        const QFileInfo dossier(fichier.absolutePath());
        const QString nomDossier = QDir::toNativeSeparators(dossier.filePath());
        if (flags_.DossierDoitExister && !dossier.isDir())
            return Refuser(Utf8(textes::DossierInexistant).arg(nomDossier));
        // Opening a named pipe or a device would wait for ever or read without end.
        if (fichier.exists() && !fichier.isFile())
            return Refuser(Utf8(textes::PasUnFichierOrdinaire).arg(fichier.fileName()));
        if (flags_.RefuserLectureSeule) {
            if (fichier.exists() && !fichier.isWritable())
                return Refuser(Utf8(textes::FichierLectureSeule).arg(fichier.fileName()));
            if (!fichier.exists() && !dossier.isWritable())
                return Refuser(Utf8(textes::DossierProtege).arg(nomDossier));
        }
        return true;
    }

    bool Refuser(const QString& texte)
    {
        QMessageBox::critical(this, Utf8(textes::TitreErreur), texte);
        return false;
    }

    OptionsFichier flags_;
};

QString Montrer(QWidget* parent, const ParametresDial& p, bool enregistrer)
{
    TraduireAuBesoin();
    DialogueFichier dialogue(parent, p, enregistrer);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().first();
}

}  // namespace

QStringList FiltresQt(const QString& filter)
{
    // Qt hides the last parenthesised group of each filter, which is where
    // the pattern goes; the description before it is shown as written.
    const QStringList morceaux = filter.split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        QString motifs = morceaux[i + 1];
        motifs.replace(QLatin1Char(';'), QLatin1Char(' '));
        filtres << QStringLiteral("%1 (%2)").arg(morceaux[i], motifs);
    }
    return filtres;
}

QString DialogueStandardQt::ShowOpen(QWidget* parent, const ParametresDial& parametres)
{
    return Montrer(parent, parametres, false);
}

QString DialogueStandardQt::ShowSave(QWidget* parent, const ParametresDial& parametres)
{
    return Montrer(parent, parametres, true);
}

std::int32_t DialogueStandardQt::ShowColor(QWidget* parent, std::int32_t couleur)
{
    TraduireAuBesoin();
    QColorDialog dialogue(VersQColor(couleur), parent);
    dialogue.setOption(QColorDialog::DontUseNativeDialog);
    if (dialogue.exec() != QDialog::Accepted)
        return couleur;
    return DepuisQColor(dialogue.selectedColor());
}

}  // namespace vorlinde::ui
