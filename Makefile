# The two commands a player or developer needs: `make run` and `make test`.
BUILD ?= build
# Parallel jobs of every build and test run.
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifdef CI
CMAKE_FLAGS += -DLVTRIV_WERROR=ON
endif

ASAN_BUILD ?= build-asan

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = registry_fuzz sysinfo_fuzz

PACKAGE_BUILD ?= build-package
PACKAGE_JOBS ?= 2
BUILDFLAG = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: build deps configure run test test-asan format-check fuzz bench package package-check clean

# A bare `make` builds.
build: configure
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

run: build
	$(BUILD)/app/lvtriv

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Every test but the package check, built in $(ASAN_BUILD) with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer: any report fails its test, but
# for those that tests/sanitizers/ lists as wholly inside Qt, the web engine or
# a system library.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DLVTRIV_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -LE package

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
	./scripts/install-deps.sh --fuzz
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
# wayland_startup.sh adds start-up on KWin and GNOME Shell to it.
bench: build
	$(BUILD)/bench/judge_bench
	$(BUILD)/bench/sysinfo_bench
	$(BUILD)/bench/startup_bench
	sh bench/wayland_startup.sh $(BUILD) bench/results.md

# The Debian package, from a Release build for /usr with the executable in
# /usr/games and Debian's hardening flags; the .deb lands in $(PACKAGE_BUILD).
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
		-DCMAKE_CXX_FLAGS="$$($(BUILDFLAG) CPPFLAGS) $$($(BUILDFLAG) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAG) LDFLAGS)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$$($(BUILDFLAG) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j$(PACKAGE_JOBS)
	rm -f $(PACKAGE_BUILD)/*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB

# The package, then scripts/check-package on it with the module test program
# built in the same folder (so that it looks for the module where the package's
# program does).
package-check: package
	cmake -S . -B $(PACKAGE_BUILD) -DBUILD_TESTING=ON
	cmake --build $(PACKAGE_BUILD) -j$(PACKAGE_JOBS) --target tst_installedmodule
	./scripts/check-package $(PACKAGE_BUILD)/lvtriv_*.deb $(PACKAGE_BUILD)/tests/tst_installedmodule

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
