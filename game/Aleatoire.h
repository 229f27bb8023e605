// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace vorlinde {

// A seeded pseudo-random source: the same seed gives the same values on
// every machine and in every version, which numbered games rely on.
class Aleatoire {
public:
    explicit Aleatoire(std::uint64_t graine) : moteur_(graine) { }
    void Semer(std::uint64_t graine) { moteur_.seed(graine); }

    // A uniform value in [0, 1): the top 53 bits of one draw, never 1.0.
    double operator()() { return static_cast<double>(moteur_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 moteur_;
};

}  // namespace vorlinde
