# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
# The everyday commands. Each installs what is missing first.
BUILD_TEST    ?= build/test
BUILD_RELEASE ?= build/release
BUILD_BENCH   ?= build/bench
GENERATOR     ?= Ninja
JOBS          ?= $(shell nproc)

.PHONY: deps run test build-test test-debian13 orca-charge bench fuzz dist package paquet-racines paquet-sid clean

deps:
	@bash scripts/install-deps.sh

$(BUILD_RELEASE)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_RELEASE) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVORLINDE_TESTS=OFF

run: deps $(BUILD_RELEASE)/CMakeCache.txt
	cmake --build $(BUILD_RELEASE) -j $(JOBS) --target vorlinde
	$(BUILD_RELEASE)/app/vorlinde

test: build-test
	ctest --test-dir $(BUILD_TEST) --output-on-failure -j $(JOBS)

# The build `make test` tests, alone. Beside another run (CI's two releases
# side by side: the Debian 13 root being made, then the tests), it takes the
# cores that the making of the root and the real-window tests leave.
build-test: deps
	cmake -S . -B $(BUILD_TEST) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVORLINDE_SANITIZE=ON -DVORLINDE_WERROR=ON
	nice -n 10 cmake --build $(BUILD_TEST) -j $(JOBS)

# The Orca test five times while two processes keep both cores busy, on the
# build of `make test` (in a Debian 13 root: bash scripts/debian13.sh orca-charge).
orca-charge:
	bash scripts/orca-charge.sh

# The same tests in a Debian 13 root of their own, made once under build/ (as root).
test-debian13:
	bash scripts/debian13.sh test

# Nothing mounted in the Debian 13 root is ever removed through it.
clean:
	bash -c 'source scripts/racine.sh && demonter_racine "$(CURDIR)/build/debian13/racine"'
	rm -rf --one-file-system build

fuzz: deps
	bash scripts/fuzz.sh 60

bench: deps
	bash scripts/bench.sh

# The release tarball, build/dist/vorlinde-<version>.tar.xz, from tag v<version>.
dist:
	bash scripts/dist.sh

package: deps
	bash scripts/paquet.sh build/paquet

# The source package built as a buildd builds it, in a clean root of Debian
# 13 and then of Debian unstable, with its autopkgtests and lintian (as
# root). Apart from CI, which each would take past half an hour.
paquet-racines: deps
	bash tests/packaging/source.sh trixie
	bash tests/packaging/source.sh sid

# The same in Debian unstable alone.
paquet-sid: deps
	bash tests/packaging/source.sh sid
