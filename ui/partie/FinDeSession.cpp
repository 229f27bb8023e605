// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FinDeSession.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vorlinde::ui {
namespace {

int tube[2] = {-1, -1};

extern "C" void SurSignal(int)
{
    const int erreur = errno;
    const char octet = 1;
    [[maybe_unused]] const auto ecrit = ::write(tube[0], &octet, 1);
    errno = erreur;
}

}  // namespace

void SurFinDeSession(QObject* parent, std::function<void()> action)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, tube) != 0)
        return;
    auto* veille = new QSocketNotifier(tube[1], QSocketNotifier::Read, parent);
    QObject::connect(veille, &QSocketNotifier::activated, parent, [veille, action = std::move(action)] {
        char octets[16];
        while (::read(tube[1], octets, sizeof octets) > 0) { }
        // Once: a second signal during the action changes nothing.
        veille->setEnabled(false);
        action();
    });
    struct sigaction reaction { };
    reaction.sa_handler = SurSignal;
    sigemptyset(&reaction.sa_mask);
    reaction.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &reaction, nullptr);
}

}  // namespace vorlinde::ui
