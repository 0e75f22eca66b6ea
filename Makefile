# The two commands a player or developer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifdef CI
CMAKE_FLAGS += -DLVTRIV_WERROR=ON
endif

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: build deps configure run test format-check fuzz bench clean

# A bare `make` builds.
build: configure
	cmake --build $(BUILD) -j2

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

run: build
	$(BUILD)/app/lvtriv

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

# Every C++ file follows .clang-format.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The registry file parser under clang's libFuzzer and AddressSanitizer for
# FUZZ_SECONDS; new inputs gather in $(FUZZ_BUILD)/corpus, crashing ones in
# $(FUZZ_BUILD)/crashes. Copy a crash into fuzz/corpus once it is mended, so
# that `make test` replays it.
fuzz:
	./scripts/install-deps.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLVTRIV_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j2 --target registry_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	$(FUZZ_BUILD)/fuzz/registry_fuzz -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/registry.dict \
		-artifact_prefix=$(FUZZ_BUILD)/crashes/ $(FUZZ_BUILD)/corpus fuzz/corpus

# Timings as ratios from one run; the browser under a real X server when
# xvfb-run is there, else offscreen.
bench: build
	$(BUILD)/bench/judge_bench
	if command -v xvfb-run >/dev/null; then xvfb-run -a $(BUILD)/bench/browser_bench; \
	else QT_QPA_PLATFORM=offscreen $(BUILD)/bench/browser_bench; fi

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
