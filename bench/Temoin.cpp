// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The baseline of the start-up and memory figures: a bare Qt main window with
// one menu and as many plain labels and buttons as the board, nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Temoin 1.0"));
    fenetre.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    auto* client = new QWidget(&fenetre);
    client->setFixedSize(426, 570);
    fenetre.setCentralWidget(client);
    // 8 swatches, 4 code cells, 40 history cells, 20 counters.
    for (int k = 0; k < 72; ++k) {
        auto* etiquette = new QLabel(client);
        etiquette->setGeometry(8 + 20 * (k % 20), 8 + 30 * (k / 20), 17, 17);
        etiquette->setAutoFillBackground(true);
    }
    for (int k = 0; k < 3; ++k)
        (new QPushButton(QStringLiteral("B"), client))->setGeometry(8 + 60 * k, 300, 50, 25);
    (new QScrollBar(Qt::Vertical, client))->setGeometry(400, 300, 17, 249);
    fenetre.show();
    return application.exec();
}
