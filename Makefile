# The two commands a player or developer needs: `make run` and `make test`.
# Each installs what it needs first (scripts/install-deps.sh): make run only
# what building and running the game need, make test what every test needs.
# They build through the presets of CMakePresets.json: make run the game
# alone (preset game), make test everything (full), make test-asan the
# sanitizer build (asan), all in the presets' folders.
BUILD = build
# Parallel jobs of every build and test run.
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DLVTRIV_WERROR=ON
endif
# Which packages a target needs, and which preset it builds; a bare `make`
# builds the game alone.
DEPS ?= run
PRESET ?= game
run: DEPS = run
test test-asan format-check bench: DEPS = test
test bench: PRESET = full

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = registry_fuzz sysinfo_fuzz

PACKAGE_BUILD ?= build-package

.PHONY: build deps configure run test test-asan format-check fuzz bench bench-13 package test-trixie test-unstable test-13 test-upgrade clean

build: configure
	cmake --build --preset $(PRESET) -j$(JOBS)

deps:
	./scripts/install-deps.sh $(DEPS)

configure: deps
	cmake --preset $(PRESET) $(CMAKE_FLAGS)

run: build
	$(BUILD)/app/lvtriv

test: build
	ctest --preset full -j$(JOBS)

# Every test but those of the package, built in build-asan with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer: any report
# fails its test, but for those that tests/sanitizers/ lists as wholly inside
# Qt, the web engine or a system library.
test-asan: deps
	cmake --preset asan $(CMAKE_FLAGS)
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)

# Every C++ file follows .clang-format.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The registry file fuzz targets under clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, each for FUZZ_SECONDS: registry_fuzz (the file
# parser) and sysinfo_fuzz (System Info's lookups through FileRegistry). New
# inputs gather in $(FUZZ_BUILD)/corpus/TARGET, crashing ones in
# $(FUZZ_BUILD)/crashes/TARGET. Copy a crash into fuzz/corpus or
# fuzz/sysinfo-corpus once it is mended, so that `make test` replays it.
fuzz:
	./scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLVTRIV_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZ_TARGETS)
	set -e; for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$target $(FUZZ_BUILD)/crashes/$$target; \
		$(FUZZ_BUILD)/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -dict=fuzz/registry.dict \
			-artifact_prefix=$(FUZZ_BUILD)/crashes/$$target/ \
			$(FUZZ_BUILD)/corpus/$$target fuzz/sysinfo-corpus fuzz/corpus; \
	done

# judge_bench and sysinfo_bench print ratios from one run. startup_bench waits
# up to three minutes for a quiet machine, then measures start-up against bare
# Qt windows on an Xvfb of its own (times, memory, instructions under
# callgrind) and the browser prize (browser_bench), and writes bench/results.md;
# wayland_startup.py adds start-up on KWin, GNOME Shell and Sway to it.
bench: build
	$(BUILD)/bench/judge_bench
	$(BUILD)/bench/sysinfo_bench
	$(BUILD)/bench/startup_bench
	/usr/bin/python3 bench/wayland_startup.py $(BUILD) bench/results.md

# The same start-up tables on Debian 13's X server, KWin 6.3, GNOME 48 and
# Sway 1.10, built and measured in a chroot of Debian 13, appended to
# bench/results.md after make bench (as root).
bench-13:
	./scripts/install-deps.sh package-chroot
	./scripts/bench-in-chroot trixie bench/results.md

# The Debian package for this system's release (the backport on Debian 12
# and 13), built by dpkg-buildpackage from debian/ in a fresh clone under
# $(PACKAGE_BUILD) (what git tracks, uncommitted changes included), then
# judged by lintian --pedantic: the .deb, its -dbgsym package, the source
# package and the .changes land in $(PACKAGE_BUILD).
package:
	./scripts/install-deps.sh package
	./scripts/build-package $(PACKAGE_BUILD)

# The package as a release's build daemons build it (sbuild in a fresh
# chroot, with its tests), then judged by that release's lintian and by
# autopkgtest in a testbed of it, in $(CHROOT_BUILD)/RELEASE:
# make test-trixie for Debian 13 (in CI), make test-unstable for unstable.
# This mirror's unstable index is past its Valid-Until date, which apt
# would otherwise refuse.
CHROOT_BUILD ?= build-chroot
test-trixie: RELEASE = trixie
test-unstable: RELEASE = sid
test-unstable: MMDEBSTRAP_OPTIONS = '--aptopt=Acquire::Check-Valid-Until "false"'
test-trixie test-unstable:
	./scripts/install-deps.sh package-chroot
	./scripts/build-in-chroot $(RELEASE) $(CHROOT_BUILD)/$(RELEASE) $(MMDEBSTRAP_OPTIONS)
	./scripts/judge-in-chroot $(RELEASE) $(CHROOT_BUILD)/$(RELEASE) $(MMDEBSTRAP_OPTIONS)

# The games by keys on Debian 13's X11, GNOME 48, KWin 6.3 and Sway 1.10
# and Orca 48's game, as make test plays them here, against the package
# that make test-trixie built, installed in a chroot of Debian 13 with what
# make test installs (as root). GAMES_13 names some of them alone.
GAMES_13 ?= desktop_x11 desktop_gnome desktop_kwin desktop_sway screenreader
test-13: test-trixie
	./scripts/desktops-in-chroot --games "$(GAMES_13)" trixie $(CHROOT_BUILD)/trixie

# A player's upgrade from Debian 12 to 13 with the game installed: Debian
# 12's package as make test built it on Debian 12, Debian 13's as
# make test-trixie built it.
test-upgrade:
	./scripts/install-deps.sh package-chroot
	./scripts/check-upgrade $(BUILD)/package $(CHROOT_BUILD)/trixie

clean:
	rm -rf build build-quick build-asan $(FUZZ_BUILD) $(PACKAGE_BUILD) $(CHROOT_BUILD)
