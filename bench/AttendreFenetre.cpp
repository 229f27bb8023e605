// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Starts a program and measures, on the X server of $DISPLAY, the time from
// its exec to the mapping of its top-level window with the given title; then
// lets it settle, reads its peak resident memory and ends it. Prints
// "<milliseconds> <peak kB>". Usage: attendre-fenetre TITLE SETTLE_MS PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool TitreEgal(Display* affichage, Window fenetre, const char* titre)
{
    char* nom = nullptr;
    const bool egal = XFetchName(affichage, fenetre, &nom) && nom && std::strcmp(nom, titre) == 0;
    if (nom)
        XFree(nom);
    return egal;
}

long PicMemoireKo(pid_t pid)
{
    std::ifstream statut("/proc/" + std::to_string(pid) + "/status");
    std::string ligne;
    while (std::getline(statut, ligne))
        if (ligne.rfind("VmHWM:", 0) == 0)
            return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* affichage = XOpenDisplay(nullptr);
    if (!affichage) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(affichage, DefaultRootWindow(affichage), SubstructureNotifyMask);
    XSync(affichage, False);

    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    double ms = -1;
    while (ms < 0) {
        XEvent evenement;
        XNextEvent(affichage, &evenement);
        if (evenement.type == MapNotify && TitreEgal(affichage, evenement.xmap.window, argv[1]))
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    const long pic = PicMemoireKo(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", ms, pic);
    XCloseDisplay(affichage);
    return 0;
}
