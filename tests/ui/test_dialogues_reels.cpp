// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The production backends: Qt's real message box, file dialog and colour
// chooser, driven from timers inside their modal loops.
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "dialogues/Dial.h"
#include "dialogues/UsagesFichier.h"
#include "plateau/BoiteMessage.h"
#include "plateau/Traduction.h"

using namespace vorlinde::ui;

namespace {

// Runs `action` on the modal widget of type T once it is shown.
template <typename T, typename Action> void QuandOuvert(Action action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(qobject_cast<T*>(QApplication::activeModalWidget()));
        action(*qobject_cast<T*>(QApplication::activeModalWidget()));
    });
}

QStringList TextesBoutons(QMessageBox& boite)
{
    QStringList textes;
    for (auto* bouton : boite.buttons())
        textes << bouton->text().remove(QLatin1Char('&'));
    textes.sort();
    return textes;
}

ParametresDial Reglages(const QString& dossier)
{
    ParametresDial p;
    Parametrer(p, usages::SauvegardePartie, dossier);
    return p;
}

}  // namespace

class TestDialoguesReels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(InstallerTraductionFrancaise(this)); }

    void laBoiteDeMessageReelle()
    {
        BoiteMessageQt boites;
        QuandOuvert<QMessageBox>([](QMessageBox& boite) {
            QCOMPARE(boite.text(), QStringLiteral("Veuillez complèter toutes le cases code."));
            QCOMPARE(boite.windowTitle(), QStringLiteral("Code"));
            QCOMPARE(boite.icon(), QMessageBox::Warning);
            QCOMPARE(boite.buttons().size(), 1);
            QTest::keyClick(&boite, Qt::Key_Return);
        });
        QCOMPARE(boites.MsgBox(nullptr, QStringLiteral("Veuillez complèter toutes le cases code."), styles::Exclamation,
                               QStringLiteral("Code")),
                 Reponse::OK);

        QuandOuvert<QMessageBox>([](QMessageBox& boite) {
            QCOMPARE(boite.windowTitle(), QStringLiteral("Vorlinde"));
            QCOMPARE(boite.icon(), QMessageBox::NoIcon);
            boite.close();
        });
        QCOMPARE(boites.MsgBox(nullptr, QStringLiteral("Ce code est déjà existant."), styles::Aucun), Reponse::OK);
    }

    void laQuestionReelleEnFrancais()
    {
        BoiteMessageQt boites;
        const auto question = [&] {
            return boites.MsgBox(nullptr, QStringLiteral("Voulez-vous enregistrer ?"), styles::QuestionOuiNonAnnuler,
                                 QStringLiteral("Quitter ?"));
        };
        QuandOuvert<QMessageBox>([](QMessageBox& boite) {
            QCOMPARE(boite.icon(), QMessageBox::Question);
            QCOMPARE(TextesBoutons(boite),
                     QStringList({QStringLiteral("Annuler"), QStringLiteral("Non"), QStringLiteral("Oui")}));
            QCOMPARE(boite.defaultButton(), boite.button(QMessageBox::Yes));
            QTest::keyClick(&boite, Qt::Key_Return);
        });
        QCOMPARE(question(), Reponse::Oui);
        QuandOuvert<QMessageBox>([](QMessageBox& boite) { boite.button(QMessageBox::No)->click(); });
        QCOMPARE(question(), Reponse::Non);
        QuandOuvert<QMessageBox>([](QMessageBox& boite) { QTest::keyClick(&boite, Qt::Key_Escape); });
        QCOMPARE(question(), Reponse::Annuler);
        QuandOuvert<QMessageBox>([](QMessageBox& boite) { boite.close(); });
        QCOMPARE(question(), Reponse::Annuler);
    }

    void leDialogueDeFichierReelAjouteLExtension()
    {
        QTemporaryDir dossier;
        DialogueStandardQt dialogues;
        QuandOuvert<QFileDialog>([&](QFileDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Enregistrer une partie en cours"));
            QVERIFY(d.testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(QFileInfo(d.directory().absolutePath()), QFileInfo(dossier.path()));
            auto* types = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            QCOMPARE(types->itemText(0), QStringLiteral("Fichier partie (*.prt)"));
            QCOMPARE(types->itemText(1), QStringLiteral("Tous le fichiers (*.*)"));
            QCOMPARE(types->currentIndex(), 0);
            auto* nom = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nom);
            QCOMPARE(nom->text(), QString());
            QTest::keyClicks(nom, QStringLiteral("essai"));
            QTest::keyClick(nom, Qt::Key_Return);
        });
        QCOMPARE(dialogues.ShowSave(nullptr, Reglages(dossier.path())), dossier.filePath(QStringLiteral("essai.prt")));

        // The description of a loading filter is shown as written, without a pattern.
        ParametresDial ouverture = Reglages(dossier.path());
        ouverture.Flags = usages::Ouverture;
        ouverture.Filter = QStringLiteral("Fichier partie|*.prt|Tous le fichiers|*.*");
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("parties")));
        QuandOuvert<QFileDialog>([&](QFileDialog& d) {
            auto* types = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QCOMPARE(types->itemText(0), QStringLiteral("Fichier partie"));
            QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
            // Whatever LANG says, the list is in French: the type of a folder, the dates.
            auto* modele = d.findChild<QFileSystemModel*>();
            QVERIFY(modele);
            const QString parties = dossier.filePath(QStringLiteral("parties"));
            QTRY_VERIFY(modele->index(parties).isValid());
            const QModelIndex ligne = modele->index(parties);
            QCOMPARE(modele->data(ligne.siblingAtColumn(2)).toString(), QStringLiteral("Dossier"));
            // What the list shows, through the dialog's own model.
            const QModelIndex vue = d.proxyModel()->mapFromSource(ligne.siblingAtColumn(3));
            QCOMPARE(d.proxyModel()->data(vue).toString(),
                     QLocale(QLocale::French).toString(QFileInfo(parties).lastModified(), QLocale::ShortFormat));
            d.reject();
        });
        QCOMPARE(dialogues.ShowOpen(nullptr, ouverture), QString());
    }

    // Qt's dialog itself keeps a path typed into a missing folder from being
    // chosen; the program's own refusals are checked in test_droits.
    void unCheminTapeDansUnDossierAbsentLaisseLeDialogueOuvert()
    {
        QTemporaryDir dossier;
        DialogueStandardQt dialogues;
        bool resteOuvert = false;
        QuandOuvert<QFileDialog>([&](QFileDialog& d) {
            auto* nom = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(nom, dossier.filePath(QStringLiteral("absent/essai")));
            QTest::keyClick(nom, Qt::Key_Return);
            if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                boite->accept();
            resteOuvert = d.isVisible() && d.result() == 0;
            d.reject();
        });
        QCOMPARE(dialogues.ShowSave(nullptr, Reglages(dossier.path())), QString());
        QVERIFY(resteOuvert);
        QVERIFY(!QFileInfo::exists(dossier.filePath(QStringLiteral("absent"))));
    }

    void leSelecteurDeCouleurReel()
    {
        DialogueStandardQt dialogues;
        QuandOuvert<QColorDialog>([](QColorDialog& d) {
            QCOMPARE(d.currentColor(), QColor(255, 0, 0));
            QVERIFY(d.testOption(QColorDialog::DontUseNativeDialog));
            d.setCurrentColor(QColor(1, 2, 3));
            d.accept();
        });
        QCOMPARE(dialogues.ShowColor(nullptr, 255), 1 + 2 * 256 + 3 * 65536);
        QuandOuvert<QColorDialog>([](QColorDialog& d) {
            d.setCurrentColor(QColor(9, 9, 9));
            d.reject();
        });
        QCOMPARE(dialogues.ShowColor(nullptr, 255), 255);
    }
};

QTEST_MAIN(TestDialoguesReels)
#include "test_dialogues_reels.moc"
