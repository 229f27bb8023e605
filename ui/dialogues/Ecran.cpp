// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Ecran.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace vorlinde::ui {
namespace {

// The frame around a window: what the window manager drew around a shown
// one, and never less than a title bar and a border's worth, as window
// managers tell their frames late or in part.
QMargins Cadre(const QWidget* fenetre)
{
    QMargins cadre(4, 32, 4, 8);
    if (fenetre != nullptr && fenetre->isVisible()) {
        const QRect dehors = fenetre->frameGeometry();
        const QRect dedans = fenetre->geometry();
        cadre = QMargins(std::max(cadre.left(), dedans.left() - dehors.left()),
                         std::max(cadre.top(), dedans.top() - dehors.top()),
                         std::max(cadre.right(), dehors.right() - dedans.right()),
                         std::max(cadre.bottom(), dehors.bottom() - dedans.bottom()));
    }
    return cadre;
}

}  // namespace

QSize Place(const QWidget* fenetre)
{
    const QWidget* parent = fenetre->parentWidget() != nullptr ? fenetre->parentWidget()->window() : nullptr;
    QScreen* ecran = parent != nullptr ? parent->screen() : fenetre->screen();
    if (ecran == nullptr)
        ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QMargins cadre = Cadre(parent != nullptr ? parent : fenetre);
    const QSize place = ecran->availableGeometry().size();
    return {place.width() - cadre.left() - cadre.right(), place.height() - cadre.top() - cadre.bottom()};
}

void TaillerSelonEcran(QWidget* fenetre)
{
    if (auto* plan = fenetre->layout())
        plan->activate();
    const QSize place = Place(fenetre);
    QSize voulue = fenetre->sizeHint().expandedTo(fenetre->minimumSizeHint());
    const int barre = fenetre->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fenetre);
    const bool tropHaute = voulue.height() > place.height();
    const bool tropLarge = voulue.width() > place.width();
    if (tropHaute)
        voulue.rwidth() += barre;
    if (tropLarge)
        voulue.rheight() += barre;
    // The layout would hold a window at its content's minimum: the cap wins.
    fenetre->setMinimumSize(fenetre->minimumSize().boundedTo(place));
    fenetre->resize(voulue.boundedTo(place));
}

Defilement::Defilement(QWidget* contenu, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(contenu);
    // The content's own background, not the list's: the area only scrolls.
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    contenu->setBackgroundRole(QPalette::Window);
}

QSize Defilement::sizeHint() const
{
    const int f = 2 * frameWidth();
    return widget()->sizeHint() + QSize(f, f);
}

QSize Defilement::minimumSizeHint() const
{
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize minimum = widget()->minimumSizeHint();
    // Small enough for any laptop screen, large enough for one row to read.
    return {std::min(minimum.width(), barre * 8), std::min(minimum.height(), barre * 4)};
}

}  // namespace vorlinde::ui
